#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "cob/anim_chunk.h"
#include "cob/poly_chunk.h"
#include "engine/motion.h"
#include "model/random.h"

namespace bk {
namespace {

// Seed 1 gives the draws 41, 18467, 6334, 26500, 19169, ...: the first three
// choose the rotation, the fourth a fall time.
constexpr std::uint32_t kSeed = 1;

CVector V(float x, float y, float z) { return CVector(x, y, z); }

std::vector<int> FramesOf(const std::vector<CAnimLineSRT>& keys) {
  std::vector<int> frames;
  for (const auto& key : keys) frames.push_back(key.Frame);
  return frames;
}

void ExpectNear(CVector actual, CVector expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-4);
  EXPECT_NEAR(actual.y, expected.y, 1e-4);
  EXPECT_NEAR(actual.z, expected.z, 1e-4);
}

// One piece, its channel and the run's motion values, with the channel's
// offset chosen by the test instead of drawn.
class MotionTest : public ::testing::Test {
 protected:
  MotionTest() {
    options.ExplosionDistance = 1.0f;
    // A triangle whose lowest point is at z = 0 and an identity transform.
    piece.Axis.Row0 = V(1, 0, 0);
    piece.Axis.Row1 = V(0, 1, 0);
    piece.Axis.Row2 = V(0, 0, 1);
    for (CVector v : {V(0, 0, 0), V(1, 0, 0), V(0, 1, 1)}) piece.AddOwnedVertex(v);
    piece.AddOwnedUvPoint(CUvPoint(0, 0));
    CFace face;
    face.VertexCount = 3;
    face.VertexIndices = {0, 1, 2};
    face.UvIndices = {0, 0, 0};
    piece.AddOwnedFace(face);
  }

  // Loads the settings and sets the piece's motion up, then places the offset.
  void Prepare(CVector offset) {
    LoadMotionSettings(motion, options, piece);
    CRandom scratch(99);
    moved = SetUpMotion(MotionInputs{motion, options, scratch}, piece, 0);
    moved.Offset = offset;
  }

  void Build() { BuildKeys(MotionInputs{motion, options, random}, moved, channel); }

  ExplosionOptions options;
  MotionContext motion;
  CRandom random{kSeed};
  CPolyChunk piece;
  PieceMotion moved;
  CAnimChunkEx channel;
};

TEST_F(MotionTest, LinearForwardMakesTwoKeysPerChannel) {
  options.ScaleStart = 2.0f;
  Prepare(V(1, 2, 3));
  Build();
  ASSERT_EQ(channel.PositionKeys.size(), 2u);
  EXPECT_EQ(channel.PositionKeys[0], CAnimLineSRT(3, 0, V(0, -1, 0), V(0, 0, 0)));
  EXPECT_EQ(channel.PositionKeys[1], CAnimLineSRT(3, 30, V(0, -1, 0), V(1, 2, 3)));
  EXPECT_EQ(FramesOf(channel.Keys), (std::vector<int>{0, 30}));
  // Scale keys use the scale frames of the options (-1 until a page set it).
  ASSERT_EQ(channel.SizeKeys.size(), 2u);
  EXPECT_EQ(channel.SizeKeys[0], CAnimLineSRT(4, 0, V(0, -1, 0), V(2, 2, 2)));
  EXPECT_EQ(channel.SizeKeys[1], CAnimLineSRT(4, -1, V(0, -1, 0), V(1, 1, 1)));
}

TEST_F(MotionTest, PathShapesFollowThePathType) {
  SetPathShapes(motion, 1);
  EXPECT_EQ(motion.StartShape, V(0, 0, 0));
  EXPECT_EQ(motion.EndShape, V(0, -3, 0));
  SetPathShapes(motion, 2);
  EXPECT_EQ(motion.StartShape, V(0, -3, 0));
  EXPECT_EQ(motion.EndShape, V(0, 0, 0));
  SetPathShapes(motion, 7);  // unknown values are linear
  EXPECT_EQ(motion.StartShape, V(0, -1, 0));
  EXPECT_EQ(motion.EndShape, V(0, -1, 0));
}

TEST_F(MotionTest, PercentRotationZeroWritesTwoRestOrientations) {
  options.PercentRotation = 0;
  Prepare(V(1, 1, 1));
  Build();
  ASSERT_EQ(channel.Keys.size(), 2u);
  for (const auto& key : channel.Keys) {
    EXPECT_EQ(key.RotationW, 1.0f);
    EXPECT_EQ(key.Value, V(0, 0, 0));
  }
}

TEST_F(MotionTest, PercentRotationHundredEndsOnTheDrawnAxis) {
  options.PercentRotation = 100;
  Prepare(V(1, 1, 1));
  Build();
  ASSERT_EQ(channel.Keys.size(), 2u);
  const CAnimLineSRT& end = channel.Keys[1];
  EXPECT_EQ(end.RotationW, 0.0f);
  // Draws 41 and 18467 are odd (stay positive), 6334 is even (negated).
  EXPECT_NEAR(end.Value.x, 41 / 32767.0, 1e-6);
  EXPECT_NEAR(end.Value.y, 18467 / 32767.0, 1e-6);
  EXPECT_NEAR(end.Value.z, -6334 / 32767.0, 1e-6);
}

TEST_F(MotionTest, RotationMinusOnlyTurnsEveryComponentNegative) {
  options.PercentRotation = 100;
  options.RotationSigns.plus = 0;
  Prepare(V(1, 1, 1));
  Build();
  const CVector q = channel.Keys[1].Value;
  EXPECT_LT(q.x, 0.0f);
  EXPECT_LT(q.y, 0.0f);
  EXPECT_LT(q.z, 0.0f);
}

TEST_F(MotionTest, OnePositionSignFoldsTheEndPosition) {
  options.PositionSigns.plus = 0;
  Prepare(V(0, 0.1f, -5));
  Build();
  // Zero stays zero, a small component is raised to the distance, and all
  // take the minus sign.
  ExpectNear(channel.PositionKeys.back().Value, V(0, -1, -5));
}

TEST_F(MotionTest, BothPositionSignsKeepTheOffsetsSigns) {
  Prepare(V(0, 0.1f, -5));
  Build();
  ExpectNear(channel.PositionKeys.back().Value, V(0, 0.1f, -5));
}

TEST_F(MotionTest, ToggleWithStaggerRunsOutAndBack) {
  options.Stagger = 1;
  options.ToggleDirection = 1;
  options.StaggerPieces = 5;
  options.ScaleStart = 0.5f;
  Prepare(V(1, 2, 3));
  moved.StaggerOrdinal = 12;  // delay 12 / 5 = 2
  Build();
  EXPECT_EQ(moved.Frames, 32);
  EXPECT_EQ(FramesOf(channel.PositionKeys), (std::vector<int>{0, 2, 32, 64}));
  // The return trip ends on a copy of the key that held the start until the delay.
  EXPECT_EQ(channel.PositionKeys[1], CAnimLineSRT(3, 2, V(0, -1, 0), V(0, 0, 0)));
  EXPECT_EQ(channel.PositionKeys[3], CAnimLineSRT(3, 64, V(0, -1, 0), V(0, 0, 0)));
  EXPECT_EQ(FramesOf(channel.Keys), (std::vector<int>{0, 2, 32, 64}));
  EXPECT_EQ(FramesOf(channel.SizeKeys), (std::vector<int>{0, 2, 32, 64}));
  EXPECT_EQ(channel.SizeKeys[2].Value, V(1, 1, 1));
  EXPECT_EQ(channel.SizeKeys[3].Value, V(0.5f, 0.5f, 0.5f));
}

TEST_F(MotionTest, ToggleWithoutStaggerCopiesTheFirstKey) {
  options.ToggleDirection = 1;
  Prepare(V(1, 2, 3));
  Build();
  ASSERT_EQ(channel.PositionKeys.size(), 3u);
  EXPECT_EQ(channel.PositionKeys[2], CAnimLineSRT(3, 60, V(0, -1, 0), V(0, 0, 0)));
  EXPECT_EQ(FramesOf(channel.Keys), (std::vector<int>{0, 30, 60}));
}

TEST_F(MotionTest, ReverseStartsAwayAndEndsAtRest) {
  options.Direction = 1;
  options.PathType = 1;  // accelerate: reversed, every key takes the start shape
  Prepare(V(1, 2, 3));
  Build();
  ASSERT_EQ(channel.PositionKeys.size(), 2u);
  EXPECT_EQ(channel.PositionKeys[0], CAnimLineSRT(3, 0, V(0, 0, 0), V(1, 2, 3)));
  EXPECT_EQ(channel.PositionKeys[1], CAnimLineSRT(3, 30, V(0, 0, 0), V(0, 0, 0)));
  ASSERT_EQ(channel.Keys.size(), 2u);
  EXPECT_FLOAT_EQ(channel.Keys[0].RotationW, 0.6f);  // RotationKeep
  EXPECT_NE(channel.Keys[0].Value, V(0, 0, 0));
  EXPECT_EQ(channel.Keys[1].RotationW, 1.0f);
  EXPECT_EQ(channel.Keys[1].Value, V(0, 0, 0));
  EXPECT_EQ(channel.Keys[1].Shape, V(0, 0, 0));
  // The run's end shape stays changed for later pieces.
  EXPECT_EQ(motion.EndShape, V(0, 0, 0));
}

TEST_F(MotionTest, ReverseWithStaggerAndToggle) {
  options.Direction = 1;
  options.Stagger = 1;
  options.ToggleDirection = 1;
  Prepare(V(1, 2, 3));
  moved.StaggerOrdinal = 12;
  Build();
  EXPECT_EQ(FramesOf(channel.PositionKeys), (std::vector<int>{0, 30, 32, 64}));
  EXPECT_EQ(channel.PositionKeys[0].Value, V(1, 2, 3));
  EXPECT_EQ(channel.PositionKeys[2].Value, V(0, 0, 0));
  EXPECT_EQ(channel.PositionKeys[3].Value, V(1, 2, 3));
}

TEST_F(MotionTest, DelayShiftsEveryKeyOfEveryList) {
  options.DelayFrames = 5;
  options.ScaleStart = 2.0f;
  options.ScaleStartFrame = 0;
  options.ScaleEndFrame = 30;
  Prepare(V(1, 2, 3));
  Build();
  EXPECT_EQ(FramesOf(channel.PositionKeys), (std::vector<int>{5, 35}));
  EXPECT_EQ(FramesOf(channel.Keys), (std::vector<int>{5, 35}));
  EXPECT_EQ(FramesOf(channel.SizeKeys), (std::vector<int>{5, 35}));
}

TEST_F(MotionTest, UpwardFlightFallsAndBouncesThreeTimes) {
  options.Gravity = 1;
  Prepare(V(2, 0, 4));
  Build();
  const auto& keys = channel.PositionKeys;
  // Fall draw 26500 gives T1 = 28; the landing is 11 units from the top of
  // the arc, so 22 extra frames.
  EXPECT_EQ(FramesOf(keys), (std::vector<int>{0, 30, 64, 81, 98, 106, 114, 118, 122}));
  EXPECT_EQ(keys[0].Shape, V(0, -4, 0));
  EXPECT_EQ(keys[1].Shape, V(0, 0, 0));
  EXPECT_EQ(keys[2], CAnimLineSRT(3, 64, V(0, -1, 0), V(4, 0, -5)));
  EXPECT_EQ(keys[3], CAnimLineSRT(3, 81, V(0, 0, 0), V(5, 0, -1)));
  EXPECT_EQ(keys[4], CAnimLineSRT(3, 98, V(0, -2, 0), V(6, 0, -5)));
  ExpectNear(keys[5].Value, V(6.5f, 0, -5.0f + 8.0f / 3.0f));
  ExpectNear(keys[7].Value, V(7.25f, 0, -5.0f + 8.0f / 9.0f));
  EXPECT_EQ(keys[8].Value, V(7.5f, 0, -5));
  // The orientation ends with the last landing.
  EXPECT_EQ(FramesOf(channel.Keys), (std::vector<int>{0, 122}));
}

TEST_F(MotionTest, DownwardFlightLandsAtTheEndOfTheFlight) {
  options.Gravity = 1;
  Prepare(V(2, 0, -1));
  Build();
  const auto& keys = channel.PositionKeys;
  EXPECT_EQ(FramesOf(keys), (std::vector<int>{0, 38, 57, 76, 85, 94, 98, 102}));
  EXPECT_EQ(keys[0].Shape, V(0, 0, 0));
  EXPECT_EQ(keys[1], CAnimLineSRT(3, 38, V(-0.5f, -1.3f, -0.5f), V(3, 0, -5)));
  // The first arc is measured from the offset, since the start key is at height 0.
  EXPECT_EQ(keys[2], CAnimLineSRT(3, 57, V(0, 0, 0), V(3.5f, 0, -4)));
  ExpectNear(keys[4].Value, V(4.25f, 0, -5.0f + 2.0f / 3.0f));
}

TEST_F(MotionTest, ReboundScaleOtherThanOneScalesTheArcs) {
  options.Gravity = 1;
  options.ReboundScale = 0.5f;
  Prepare(V(2, 0, 4));
  Build();
  const auto& keys = channel.PositionKeys;
  ASSERT_GE(keys.size(), 6u);
  ExpectNear(keys[3].Value, V(5, 0, -3));
  ExpectNear(keys[5].Value, V(6.5f, 0, -5.0f + 4.0f / 3.0f));
}

TEST_F(MotionTest, OneBounceOnly) {
  options.Gravity = 1;
  options.BounceCount = 1;
  Prepare(V(2, 0, 4));
  Build();
  EXPECT_EQ(FramesOf(channel.PositionKeys), (std::vector<int>{0, 30, 64, 81, 98}));
}

TEST_F(MotionTest, GroundAtOrAboveTheStartAddsNoGravityKeys) {
  options.Gravity = 1;
  options.GroundZ = -1.0f;
  piece.AddOwnedVertex(V(0, 0, -2));
  piece.Faces[0]->VertexIndices[0] = 3;
  Prepare(V(2, 0, 4));
  Build();
  EXPECT_EQ(moved.GroundZ, 1.0f);
  ASSERT_EQ(channel.PositionKeys.size(), 2u);
  EXPECT_EQ(channel.PositionKeys[0].Shape, V(0, -1, 0));
  EXPECT_EQ(channel.PositionKeys[1].Shape, V(0, -1, 0));
  // No fall time was drawn.
  EXPECT_EQ(random.Next(), 26500);
}

TEST_F(MotionTest, SetUpMotionCopiesOptionsAndJittersTheOffset) {
  options.ScaleStart = 3.0f;
  options.ParticleScaleStart = 4.0f;
  piece.Axis.Center = V(3, 2, 1);
  LoadMotionSettings(motion, options, piece);
  motion.ObjectCenter = V(1, 1, 1);
  const PieceMotion m = SetUpMotion(MotionInputs{motion, options, random}, piece, 0);
  EXPECT_EQ(m.Piece, &piece);
  EXPECT_EQ(m.ScaleStart, 3.0f);
  EXPECT_EQ(m.GlobalScale, 1.0f);
  // (c - centre) scaled by (1 + r/32767) / 2 per axis.
  EXPECT_NEAR(m.Offset.x, 2 * (1 + 41 / 32767.0) / 2, 1e-5);
  EXPECT_NEAR(m.Offset.y, 1 * (1 + 18467 / 32767.0) / 2, 1e-5);
  EXPECT_EQ(m.Offset.z, 0.0f);

  options.ParticleScaleGlobal = 2.0f;
  const PieceMotion particle = SetUpMotion(MotionInputs{motion, options, random}, piece, 1);
  EXPECT_EQ(particle.ScaleStart, 4.0f);
  EXPECT_EQ(particle.GlobalScale, 2.0f);
}

TEST_F(MotionTest, SingleAxisAndSignFliesAlongTheAxis) {
  options.PositionAxes = {0, 1, 0};
  options.PositionSigns.minus = 0;
  piece.Axis.Center = V(3, 2, 1);
  LoadMotionSettings(motion, options, piece);
  const PieceMotion m = SetUpMotion(MotionInputs{motion, options, random}, piece, 0);
  EXPECT_EQ(m.Offset.x, 0.0f);
  EXPECT_NEAR(m.Offset.y, (1 + 18467 / 32767.0) / 2, 1e-6);
  EXPECT_EQ(m.Offset.z, 0.0f);
}

}  // namespace
}  // namespace bk
