#include "engine/keyframes.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace bk {
namespace {

constexpr CVector kLinear{0.0f, -1.0f, 0.0f};
constexpr CVector kSmooth{0.0f, 0.0f, 0.0f};
constexpr CVector kSharp{0.0f, -3.0f, 0.0f};

std::vector<CAnimLineSRT> Ramp(CVector first, CVector last) {
  return {{CAnimLineSRT::kPosition, 0, first, {0, 0, 0}},
          {CAnimLineSRT::kPosition, 30, last, {1, 0, 0}}};
}

double At(const std::vector<CAnimLineSRT>& keys, double frame) {
  return EvaluateVectorKeys(keys, frame, {}).x;
}

TEST(KeyframeEvaluator, PathShapesGiveTheirCheckValues) {
  struct Case {
    CVector first, last;
    double expected[3];
  } cases[] = {{kLinear, kLinear, {0.250, 0.500, 0.750}},
               {kSmooth, kSharp, {0.133, 0.312, 0.586}},   // accelerate
               {kSharp, kSmooth, {0.414, 0.688, 0.867}}};  // decelerate
  for (const Case& c : cases) {
    const auto keys = Ramp(c.first, c.last);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(At(keys, 30.0 * (i + 1) / 4), c.expected[i], 0.0006) << "u = " << (i + 1) / 4.0;
    }
    EXPECT_EQ(At(keys, -5), 0.0) << "before the first key: its value";
    EXPECT_EQ(At(keys, 99), 1.0) << "after the last key: its value";
  }
}

TEST(KeyframeEvaluator, EmptyChannelsGiveTheRestValues) {
  CAnimChunkEx channel;
  const Pose pose = EvaluatePose(channel, 12.0);
  EXPECT_EQ(pose.Position, (CVector{0, 0, 0}));
  EXPECT_EQ(pose.Size, (CVector{1, 1, 1}));
  EXPECT_EQ(pose.Orientation.w, 1.0);
  EXPECT_EQ(LastKeyFrame(channel), 0);
}

// A fall with a bounce as the engine builds it: uneven spacing and the
// continuity -4 of the start key. The interior tangents are checked against
// the per-second form of the same spline, written out independently here.
TEST(KeyframeEvaluator, GravityChannelPassesItsKeysWithUnevenSpacing) {
  const std::vector<CAnimLineSRT> keys = {
      {3, 0, {0, -4, 0}, {0, 0, 0}},
      {3, 20, {0, 0, 0}, {4, 2, 6}},
      {3, 35, {0, -1, 0}, {8, 4, -3}},
      {3, 42, {0, 0, 0}, {10, 5, 1}},
      {3, 49, {0, -2, 0}, {12, 6, -3}},
  };
  for (const auto& key : keys) {
    const CVector v = EvaluateVectorKeys(keys, key.Frame, {});
    EXPECT_EQ(v, key.Value) << "frame " << key.Frame;
  }
  // Segment 20 -> 35 at its middle, by the Hermite form with per-frame tangents.
  auto tangent = [](double t, double c, double b, double din, double dout, double nin, double nout,
                    bool outgoing) {
    const double k1 = outgoing ? (1 - t) * (1 + b) * (1 + c) : (1 - t) * (1 + b) * (1 - c);
    const double k2 = outgoing ? (1 - t) * (1 - b) * (1 - c) : (1 - t) * (1 - b) * (1 + c);
    return (k1 * din + k2 * dout) / (nin + nout);  // value per frame
  };
  const double out1 = tangent(0, 0, 0, 6 - 0, -3 - 6, 20, 15, true) * 15;   // z, key at 20
  const double in2 = tangent(0, -1, 0, -3 - 6, 1 + 3, 15, 7, false) * 15;   // z, key at 35
  const double u = 0.5;
  const double expected = (2 * u * u * u - 3 * u * u + 1) * 6 + (u * u * u - 2 * u * u + u) * out1 +
                          (-2 * u * u * u + 3 * u * u) * -3 + (u * u * u - u * u) * in2;
  EXPECT_NEAR(EvaluateVectorKeys(keys, 27.5, {}).z, expected, 1e-5);
  EXPECT_EQ(LastKeyFrame(CAnimChunkEx{}), 0);
}

TEST(KeyframeEvaluator, KeysAreTakenInFrameOrderAndTheLastOfAFrameStands) {
  const std::vector<CAnimLineSRT> ordered = {{3, 0, kSmooth, {0, 0, 0}},
                                             {3, 10, kSmooth, {2, 0, 0}},
                                             {3, 30, kSmooth, {5, 0, 0}}};
  const std::vector<CAnimLineSRT> shuffled = {{3, 30, kSmooth, {5, 0, 0}},
                                              {3, 10, kSharp, {9, 9, 9}},
                                              {3, 0, kSmooth, {0, 0, 0}},
                                              {3, 10, kSmooth, {2, 0, 0}}};
  for (double f = 0; f <= 30; f += 2.5) {
    EXPECT_EQ(EvaluateVectorKeys(ordered, f, {}), EvaluateVectorKeys(shuffled, f, {})) << f;
  }
  CAnimChunkEx channel;
  channel.PositionKeys = shuffled;
  channel.SizeKeys = {{4, 44, kSmooth, {1, 1, 1}}};
  EXPECT_EQ(LastKeyFrame(channel), 44);
}

TEST(KeyframeEvaluator, TwoKeySquadIsTheSlerpAlongTheWarpedPath) {
  // 0.5, 0.131, 0, 0.402 is how the engine writes it: not unit length.
  const std::vector<CAnimLineSRT> turn = {{2, 0, kSmooth, {0, 0, 0}, 1.0f},
                                          {2, 30, kSharp, {0.131f, 0.0f, 0.402f}, 0.5f}};
  const auto ramp = Ramp(kSmooth, kSharp);
  const Quaternion q0{1, 0, 0, 0};
  const Quaternion q1 = Normalized({0.5, 0.131f, 0.0, 0.402f});
  for (double f = 0; f <= 30; f += 1.5) {
    const Quaternion got = EvaluateOrientationKeys(turn, f);
    const Quaternion want = Slerp(q0, q1, At(ramp, f));
    EXPECT_NEAR(std::fabs(Dot(got, want)), 1.0, 1e-6) << "frame " << f;
    EXPECT_NEAR(Dot(got, got), 1.0, 1e-12);
  }
}

TEST(KeyframeEvaluator, OrientationKeysAreFlippedIntoOneHemisphere) {
  // -q is the same rotation as q: the channel must not turn the long way.
  const std::vector<CAnimLineSRT> keys = {{2, 0, kLinear, {0, 0, 0}, 1.0f},
                                          {2, 10, kLinear, {0, 0, -0.2f}, -0.98f}};
  const Quaternion mid = EvaluateOrientationKeys(keys, 5);
  EXPECT_GT(std::fabs(mid.w), 0.99);
}

TEST(KeyframeEvaluator, PoseTurnsScalesAndMovesAboutTheCentre) {
  CAnimChunkEx channel;
  const float h = std::sqrt(0.5f);
  channel.Keys = {{2, 0, kLinear, {0, 0, h}, h}};                // 90 degrees about z
  channel.SizeKeys = {{4, 0, kLinear, {2, 2, 2}}};
  channel.PositionKeys = {{3, 0, kLinear, {0, 0, 10}}};
  const Pose pose = EvaluatePose(channel, 3);
  const CVector moved = ApplyPose(pose, {1, 1, 1}, {2, 1, 1});
  EXPECT_NEAR(moved.x, 1.0, 1e-6);
  EXPECT_NEAR(moved.y, 3.0, 1e-6);
  EXPECT_NEAR(moved.z, 11.0, 1e-6);
}

}  // namespace
}  // namespace bk
