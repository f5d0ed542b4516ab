// Every node of an export stands where the key evaluator puts it at every
// frame: with the default sampling even for an importer that ignores spline
// tangents, with `keys` for one that follows them, and as read by an
// independent reader.
#include <cstdio>
#include <memory>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cob/exploded_file.h"
#include "engine/keyframes.h"
#include "gltf/gltf_export.h"
#include "gltf/gltf_motion.h"
#include "gltf_reader_support.h"
#include "gltf_test_support.h"

namespace bk {
namespace {

namespace fs = std::filesystem;

struct Expected {
  std::array<double, 3> translation;
  std::array<double, 4> rotation;  // x y z w
  std::array<double, 3> scale;
};

// The evaluator's pose of an object in glTF's axes (Y up).
Expected ExpectedPose(const ExplodedObject& object, double frame) {
  const Pose pose = EvaluatePose(*object.Channel, frame);
  const CVector c = Add(object.Mesh->Axis.Center, pose.Position);
  const Quaternion& q = pose.Orientation;
  return {{c.x, c.z, -c.y}, {q.x, q.z, -q.y, q.w}, {pose.Size.x, pose.Size.z, pose.Size.y}};
}

void ExpectNear(const std::vector<double>& got, std::span<const double> want, const std::string& what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  // A quaternion and its negative are the same turn.
  double dot = 0;
  for (std::size_t i = 0; i < got.size(); ++i) dot += got[i] * want[i];
  const double sign = want.size() == 4 && dot < 0 ? -1.0 : 1.0;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i], sign * want[i], 1e-5 * std::max(1.0, std::fabs(want[i]))) << what << " [" << i << "]";
  }
}

// The crate with gravity, bounces and particles, written and read back as
// the command line does.
struct CrateExport {
  ExplodedReadResult read;
  int last_frame = 0;
};

std::unique_ptr<CrateExport> ExplodeCrate() {
  ExplosionOptions options;
  options.Gravity = 1;
  options.BounceCount = 2;
  options.Particles = 1;
  options.Stagger = 1;
  const fs::path examples(BURSTKIN_EXAMPLES_DIR);
  const testing::Explosion e = testing::Explode(examples / "crate.cob", examples / "spark.cob", options);
  auto out = std::make_unique<CrateExport>();
  const ExplodedGroup* groups[] = {e.pieces.get(), e.particles.get()};
  out->read = ReadExplodedFile(testing::WriteCob(groups));
  EXPECT_TRUE(out->read.ok()) << out->read.error;
  for (const ExplodedGroup& group : out->read.File.Groups) {
    for (const ExplodedObject& object : group.Objects) out->last_frame = std::max(out->last_frame, LastKeyFrame(*object.Channel));
  }
  return out;
}

// Calls check(object, node index) for every object, in the export's node order.
template <typename Check>
void ForEachObjectNode(const ExplodedFile& file, Check check) {
  int node = 0;
  for (const ExplodedGroup& group : file.Groups) {
    ++node;  // the group's own node
    for (const ExplodedObject& object : group.Objects) check(object, node++);
  }
}

void ExpectEveryFrameMatches(const CrateExport& crate, GltfSampling sampling) {
  GltfOptions options;
  options.Sampling = sampling;
  std::string bytes;
  const GltfResult result = BuildGltf(GltfGroupsOf(crate.read.File), options, true, bytes);
  ASSERT_TRUE(result.ok()) << result.error;
  const tinygltf::Model m = testing::Load(bytes, true);
  bool any_cubic = false;
  for (const auto& sampler : m.animations.at(0).samplers) any_cubic |= sampler.interpolation == "CUBICSPLINE";
  EXPECT_EQ(any_cubic, sampling == GltfSampling::Keys) << "only `keys` relies on spline tangents";
  ASSERT_GT(crate.last_frame, 10);
  ForEachObjectNode(crate.read.File, [&](const ExplodedObject& object, int node) {
    for (int f = 0; f <= crate.last_frame + 2; ++f) {
      const Expected want = ExpectedPose(object, f);
      const testing::NodePose got = testing::PoseAt(m, node, f / options.Fps);
      const std::string what = object.Mesh->Name + " at frame " + std::to_string(f);
      ExpectNear(got.translation, want.translation, what + " translation");
      ExpectNear(got.rotation, want.rotation, what + " rotation");
      ExpectNear(got.scale, want.scale, what + " scale");
      if (::testing::Test::HasFailure()) return;
    }
  });
}

TEST(GltfMotion, DefaultExportMovesRightInAnImporterThatIgnoresTangents) {
  const auto crate = ExplodeCrate();
  ExpectEveryFrameMatches(*crate, GltfSampling::Frames);
}

TEST(GltfMotion, KeysExportMatchesEveryFrameWhereTangentsAreFollowed) {
  const auto crate = ExplodeCrate();
  ExpectEveryFrameMatches(*crate, GltfSampling::Keys);
}

// Linear shapes at even spacing are a straight line: only the keys are
// written, and they are exact between frames too. Uneven spacing bends the
// spline (its tangents scale with the neighbouring segment's length), so
// that channel is sampled per frame, except on a straight segment.
TEST(GltfMotion, StraightSegmentsKeepOnlyTheirKeys) {
  auto group = testing::MakeGroup(2);
  auto& even = *group->Objects[0].Channel;
  even.PositionKeys = {{3, 0, {0, -1, 0}, {0, 0, 0}}, {3, 10, {0, -1, 0}, {1, 2, 3}}, {3, 20, {0, -1, 0}, {2, 4, 6}}};
  even.SizeKeys.clear();
  even.Keys = {{2, 0, {0, -1, 0}, {0, 0, 0}, 1.0f}, {2, 20, {0, -1, 0}, {0.3f, 0.1f, 0.2f}, 0.9f}};
  auto& uneven = *group->Objects[1].Channel;
  uneven.PositionKeys = {{3, 0, {0, -1, 0}, {0, 0, 0}}, {3, 10, {0, -1, 0}, {1, 0, 0}}, {3, 40, {0, -1, 0}, {9, 0, 0}},
                         {3, 70, {0, -1, 0}, {9, 5, 0}}};
  const ExplodedGroup* groups[] = {group.get()};
  std::string bytes;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), {}, true, bytes).ok());
  const tinygltf::Model m = testing::Load(bytes, true);
  const auto* straight = testing::SamplerFor(m, 1, "translation");
  ASSERT_NE(straight, nullptr);
  EXPECT_EQ(straight->interpolation, "LINEAR");
  EXPECT_EQ(testing::Floats(m, straight->input).size(), 3u);
  // A slerp of 45 degrees: split in three (frames 0 6 12 18 20) for
  // importers that interpolate quaternions component-wise.
  EXPECT_EQ(testing::Floats(m, testing::SamplerFor(m, 1, "rotation")->input).size(), 5u) << "a slerp";
  for (double f : {2.5, 13.25, 19.9}) {
    const CVector p = EvaluateVectorKeys(even.PositionKeys, f, {});
    ExpectNear(testing::PoseAt(m, 1, f / 30).translation, std::array<double, 3>{p.x, 2 + p.z, -1 - p.y}, "between frames");
  }
  const auto* bent = testing::SamplerFor(m, 2, "translation");
  ASSERT_NE(bent, nullptr);
  // 0..10 and 10..40 bend; 40..70 is straight (both its keys are evenly spaced).
  const std::vector<float> times = testing::Floats(m, bent->input);
  EXPECT_EQ(times.size(), 41u + 1u) << "every frame to 40, then only frame 70";
  EXPECT_FLOAT_EQ(times.back(), 70.0f / 30);
}

// Some importers interpolate a LINEAR rotation component by component, which
// strays from the slerp glTF means by up to a degree on a turn of 96 degrees
// between two keys. Turns of more than about 20 degrees are split into
// equal steps so that such an importer stays within 0.01 degrees of the
// path at every moment; smaller turns keep only their keys.
TEST(GltfMotion, LongTurnsAreSplitForComponentwiseInterpolation) {
  auto group = testing::MakeGroup(2);
  const float half = static_cast<float>(48 * M_PI / 180);
  group->Objects[0].Channel->Keys = {{2, 0, {0, -1, 0}, {0, 0, 0}, 1.0f},
                                     {2, 40, {0, -1, 0}, {0.6f * std::sin(half), 0, 0.8f * std::sin(half)}, std::cos(half)}};
  const float small = static_cast<float>(5 * M_PI / 180);
  group->Objects[1].Channel->Keys = {{2, 0, {0, -1, 0}, {0, 0, 0}, 1.0f},
                                     {2, 40, {0, -1, 0}, {0, std::sin(small), 0}, std::cos(small)}};
  const ExplodedGroup* groups[] = {group.get()};
  std::string bytes;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), {}, true, bytes).ok());
  const tinygltf::Model m = testing::Load(bytes, true);
  EXPECT_EQ(testing::Floats(m, testing::SamplerFor(m, 2, "rotation")->input).size(), 2u) << "a 10 degree turn";
  const auto* turn = testing::SamplerFor(m, 1, "rotation");
  const std::vector<float> times = testing::Floats(m, turn->input);
  const std::vector<float> values = testing::Floats(m, turn->output);
  EXPECT_LE(times.size(), 7u) << "no more samples than the bound needs";
  double worst = 0;
  for (int step = 0; step <= 400; ++step) {
    const double t = step * (40.0 / 30) / 400;
    std::size_t k = 0;
    while (k + 2 < times.size() && times[k + 1] <= t) ++k;
    const double u = (t - times[k]) / (times[k + 1] - times[k]);
    std::array<double, 4> q{};
    for (int c = 0; c < 4; ++c) q[c] = (1 - u) * values[4 * k + c] + u * values[4 * (k + 1) + c];
    const Expected want = ExpectedPose(group->Objects[0], t * 30);
    double dot = 0;
    double norm = 0;
    for (int c = 0; c < 4; ++c) {
      dot += q[c] * want.rotation[c];
      norm += q[c] * q[c];
    }
    worst = std::max(worst, 2 * std::acos(std::min(1.0, std::fabs(dot) / std::sqrt(norm))) * 180 / M_PI);
  }
  EXPECT_LT(worst, 0.01) << "degrees between component-wise interpolation and the slerp";
}

// Per-frame samples are worked out two frames at a time, with weights kept
// per segment length; each must still be the evaluator's value to the last
// bit, before the first key, on both sides of every key, in short and long
// segments of odd and even length and after the last.
TEST(GltfMotion, PerFrameSamplesAreTheEvaluatorsOwnValues) {
  CAnimChunkEx channel;
  channel.PositionKeys = {{3, -4, {0.2f, 0.1f, 0.4f}, {1, 2, 3}}, {3, 3, {0, 0, 0}, {4, -1, 2}},
                          {3, 10, {-0.3f, 0.5f, 0}, {0, 7, 1}}, {3, 11, {0, 0, 0}, {2, 2, 2}},
                          {3, 24, {0, 0, 0.8f}, {-5, 3, 0.5f}}, {3, 190, {0.1f, 0, 0}, {7, 1, -2}}};
  channel.SizeKeys = {{4, 2, {0, 0, 0}, {1, 1, 1}}, {4, 9, {0.5f, 0, 0}, {2, 0.5f, 1}}, {4, 17, {0, 0, 0}, {1, 3, 1}}};
  ObjectMotion motion;
  motion.Prepare(&channel, GltfSampling::Frames);
  const Vec3d center{0.25, -1.5, 3.0};
  for (const MotionPath path : {kTranslation, kScale}) {
    const auto& keys = path == kTranslation ? channel.PositionKeys : channel.SizeKeys;
    const std::vector<VectorKeyTangents> prepared = PrepareVectorKeys(keys);
    FloatBuffer out;
    motion.AppendOutputs(path, center, 30.0, out);
    const std::vector<int>& frames = motion.Plan(path).Frames;
    ASSERT_EQ(out.size(), frames.size() * 3);
    for (std::size_t j = 0; j < frames.size(); ++j) {
      const Vec3d v = EvaluatePreparedVector(prepared, frames[j]);
      const Vec3d at = path == kTranslation ? MapPoint({v[0] + center[0], v[1] + center[1], v[2] + center[2]})
                                            : MapScale({v[0] + 0.0, v[1] + 0.0, v[2] + 0.0});
      for (int a = 0; a < 3; ++a) EXPECT_EQ(out[3 * j + a], static_cast<float>(at[a])) << "frame " << frames[j];
    }
  }
}

// Prepared again to be written, a channel skips what its first preparation
// showed it can (a turn's tangents, a per-frame move's plan); its samples
// must be those of the full preparation. A turn whose first key lies before
// frame 0 is sampled at frame 0 too, between the keys, and is no such turn.
TEST(GltfMotion, PreparedAgainAChannelWritesTheSameSamples) {
  CAnimChunkEx channel;
  channel.PositionKeys = {{3, -3, {0, 0, 0}, {0, 0, 0}}, {3, 12, {0.3f, 0, 0}, {1, 2, 3}}, {3, 19, {0, 0, 0}, {4, 0, 1}}};
  // A turn of 14 degrees: short enough to keep only its two keys.
  channel.Keys = {{2, 2, {0, -1, 0}, {0, 0, 0}, 1.0f}, {2, 20, {0, -1, 0}, {0.1f, 0.05f, -0.05f}, 0.99f}};
  ObjectMotion full;
  full.Prepare(&channel, GltfSampling::Frames);
  const ObjectMotion::Shortcuts found = full.FoundShortcuts();
  ASSERT_TRUE(found.TwoKeyTurn);
  ASSERT_TRUE(found.EveryFrameMove);
  ObjectMotion again;
  again.PrepareAgain(&channel, GltfSampling::Frames, found);
  for (const MotionPath path : {kTranslation, kScale, kRotation}) {
    FloatBuffer want;
    FloatBuffer got;
    full.AppendOutputs(path, {1, 2, 3}, 30.0, want);
    again.AppendOutputs(path, {1, 2, 3}, 30.0, got);
    EXPECT_EQ(got, want) << path;
    EXPECT_EQ(again.Plan(path).Frames, full.Plan(path).Frames) << path;
  }
  channel.Keys.front().Frame = -5;
  full.Prepare(&channel, GltfSampling::Frames);
  EXPECT_FALSE(full.FoundShortcuts().TwoKeyTurn);
  channel.PositionKeys.front().Frame = 0;
  full.Prepare(&channel, GltfSampling::Keys);
  EXPECT_FALSE(full.FoundShortcuts().EveryFrameMove) << "a spline on its keys";
}

// Runs tools/node-transforms.mjs; empty when node or its package is absent.
std::string IndependentReading(const fs::path& file, const std::string& times) {
  const fs::path root = testing::SourceDir();
  if (std::system("node --version >/dev/null 2>&1") != 0) return {};
  if (!fs::exists(root / "tools/node_modules/@gltf-transform/core")) return {};
  const std::string command = "node '" + (root / "tools/node-transforms.mjs").string() + "' '" + file.string() +
                              "' " + times + " 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  char buffer[65536];
  for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
  return out;
}

TEST(GltfMotion, AnIndependentReaderSeesTheEvaluatorsPoses) {
  const auto crate = ExplodeCrate();
  const fs::path dir = testing::TestFolder("independent");
  const fs::path file = dir / "crate.glb";
  ASSERT_TRUE(WriteGltf(GltfGroupsOf(crate->read.File), file.string(), {}).ok());
  const std::vector<int> frames = {0, 7, crate->last_frame / 2, crate->last_frame - 1, crate->last_frame};
  std::string times;
  for (int f : frames) times += std::to_string(f / 30.0) + " ";
  const std::string text = IndependentReading(file, times);
  fs::remove_all(dir);
  if (text.empty()) {
    GTEST_SKIP() << "node or @gltf-transform/core is not installed (run scripts/install-validator.sh); skipped";
  }
  const nlohmann::json nodes = nlohmann::json::parse(text).at("nodes");
  ForEachObjectNode(crate->read.File, [&](const ExplodedObject& object, int node) {
    const nlohmann::json& at = nodes.at(node).at("at");
    EXPECT_EQ(nodes.at(node).at("name"), object.Mesh->Name);
    for (std::size_t k = 0; k < frames.size(); ++k) {
      const Expected want = ExpectedPose(object, frames[k]);
      const std::string what = object.Mesh->Name + " at frame " + std::to_string(frames[k]);
      ExpectNear(at[k].at("translation").get<std::vector<double>>(), want.translation, what);
      ExpectNear(at[k].at("rotation").get<std::vector<double>>(), want.rotation, what);
      ExpectNear(at[k].at("scale").get<std::vector<double>>(), want.scale, what);
    }
  });
}

}  // namespace
}  // namespace bk
