#include "gltf/gltf_export.h"

#include <tiny_gltf.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <numeric>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "cob/exploded_file.h"
#include "engine/explosion.h"
#include "engine/keyframes.h"
#include "engine/motion.h"
#include "engine/particles.h"
#include "model/triangulate.h"
#include "gltf_reader_support.h"
#include "gltf_test_support.h"
#include "model/random.h"
#include "support/test_data.h"

namespace bk {
namespace {

using testing::Explode;
using testing::Explosion;
using testing::Floats;
using testing::Load;
using testing::MakeGroup;
using testing::SamplerFor;

// ---- triangulation

double Area2(const std::vector<CVector>& p, std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  return (p[b].x - p[a].x) * (p[c].y - p[a].y) - (p[b].y - p[a].y) * (p[c].x - p[a].x);
}

TEST(TriangulateFace, ClipsConcaveFacesWithoutLeavingThem) {
  // An L: a fan from corner 0 would cover the notch.
  const std::vector<CVector> p = {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}};
  const std::vector<std::uint32_t> outer = {3, 4, 5, 0, 1, 2};
  std::vector<std::uint32_t> t;
  TriangulateFace(p, outer, {}, t);
  ASSERT_EQ(t.size(), 12u);
  double area = 0;
  for (std::size_t i = 0; i < t.size(); i += 3) {
    const double a = Area2(p, t[i], t[i + 1], t[i + 2]);
    EXPECT_GT(a, 0) << "every triangle keeps the face's turning sense";
    area += a / 2;
  }
  EXPECT_DOUBLE_EQ(area, 3.0);
}

TEST(TriangulateFace, BridgesAHoleAndLeavesItOpen) {
  // A 4x4 square in a tilted plane with a 2x2 hole; the hole turns either way.
  std::vector<CVector> p = {{0, 0, 0}, {4, 0, 0}, {4, 4, 4}, {0, 4, 4},
                            {1, 1, 1}, {1, 3, 3}, {3, 3, 3}, {3, 1, 1}};
  const std::vector<std::uint32_t> outer = {0, 1, 2, 3};
  const std::vector<std::vector<std::uint32_t>> holes = {{4, 5, 6, 7}};
  std::vector<std::uint32_t> t;
  TriangulateFace(p, outer, holes, t);
  ASSERT_EQ(t.size() % 3, 0u);
  double area = 0;
  for (std::size_t i = 0; i < t.size(); i += 3) {
    const double a = Area2(p, t[i], t[i + 1], t[i + 2]);  // projected on z = 0
    EXPECT_GE(a, 0);
    area += a / 2;
    // No triangle covers the hole's centre (2, 2).
    const CVector c{(p[t[i]].x + p[t[i + 1]].x + p[t[i + 2]].x) / 3,
                    (p[t[i]].y + p[t[i + 1]].y + p[t[i + 2]].y) / 3, 0};
    EXPECT_FALSE(c.x > 1 && c.x < 3 && c.y > 1 && c.y < 3);
  }
  EXPECT_NEAR(area, 16.0 - 4.0, 1e-9);
}

TEST(TriangulateFace, DegenerateFacesStillTerminate) {
  const std::vector<CVector> p = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {1, 1, 0}};
  std::vector<std::uint32_t> t;
  TriangulateFace(p, std::vector<std::uint32_t>{0, 1, 2, 3}, {}, t);  // all on a line
  EXPECT_EQ(t.size(), 6u);
  t.clear();
  TriangulateFace(p, std::vector<std::uint32_t>{0, 1}, {}, t);
  EXPECT_TRUE(t.empty());
  t.clear();
  // A self-crossing bow tie.
  const std::vector<CVector> q = {{0, 0, 0}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}};
  TriangulateFace(q, std::vector<std::uint32_t>{0, 1, 2, 3}, {}, t);
  EXPECT_EQ(t.size(), 6u);
}

// ---- reading a written file back

// The glTF CUBICSPLINE curve at time t from the written times and (in, value, out) triples.
std::array<double, 3> Cubic(const std::vector<float>& times, const std::vector<float>& out, double t) {
  std::size_t k = 0;
  while (k + 2 < times.size() && t >= times[k + 1]) ++k;
  const double td = times[k + 1] - times[k];
  const double s = (t - times[k]) / td;
  std::array<double, 3> r{};
  for (int a = 0; a < 3; ++a) {
    const double v0 = out[(3 * k + 1) * 3 + a];
    const double b0 = out[(3 * k + 2) * 3 + a];
    const double v1 = out[(3 * (k + 1) + 1) * 3 + a];
    const double a1 = out[(3 * (k + 1)) * 3 + a];
    r[a] = (2 * s * s * s - 3 * s * s + 1) * v0 + td * (s * s * s - 2 * s * s + s) * b0 +
           (-2 * s * s * s + 3 * s * s) * v1 + td * (s * s * s - s * s) * a1;
  }
  return r;
}

std::array<double, 3> YUp(CVector v) { return {v.x, v.z, -v.y}; }

TEST(GltfExport, SplineSamplersReproduceTheEvaluator) {
  auto group = MakeGroup(1);
  const auto& piece = *group->Objects[0].Mesh;
  const auto& channel = *group->Objects[0].Channel;
  const ExplodedGroup* groups[] = {group.get()};
  GltfOptions options;
  options.Fps = 24;
  options.Sampling = GltfSampling::Keys;
  std::string bytes;
  const GltfResult result = BuildGltf(GltfGroupsOf(groups), options, true, bytes);
  ASSERT_TRUE(result.ok()) << result.error;
  const tinygltf::Model m = Load(bytes, true);
  ASSERT_EQ(m.nodes.size(), 2u);
  EXPECT_EQ(m.asset.extras.Get("fps").GetNumberAsDouble(), 24.0);
  const int node = m.nodes[0].children.at(0);

  const auto* translation = SamplerFor(m, node, "translation");
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(translation->interpolation, "CUBICSPLINE");
  const auto times = Floats(m, translation->input);
  const auto values = Floats(m, translation->output);
  ASSERT_EQ(times.size(), 5u);
  EXPECT_FLOAT_EQ(times[2], 35.0f / 24);
  const auto* scale = SamplerFor(m, node, "scale");
  ASSERT_NE(scale, nullptr);
  const auto scale_times = Floats(m, scale->input);
  const auto scale_values = Floats(m, scale->output);
  for (double f = 0; f <= 49; f += 0.37) {
    const Pose pose = EvaluatePose(channel, f);
    const auto want = YUp(Add(piece.Axis.Center, pose.Position));
    const auto got = Cubic(times, values, f / 24);
    for (int a = 0; a < 3; ++a) EXPECT_NEAR(got[a], want[a], 1e-5) << "frame " << f;
    if (f <= 30) {
      const auto s = Cubic(scale_times, scale_values, f / 24);
      EXPECT_NEAR(s[0], pose.Size.x, 1e-5);
      EXPECT_NEAR(s[1], pose.Size.z, 1e-5);
      EXPECT_NEAR(s[2], pose.Size.y, 1e-5);
    }
  }

  // A three-key turn: one normalised sample per frame, equal to the evaluator.
  const auto* rotation = SamplerFor(m, node, "rotation");
  ASSERT_NE(rotation, nullptr);
  EXPECT_EQ(rotation->interpolation, "LINEAR");
  const auto rtimes = Floats(m, rotation->input);
  const auto rvalues = Floats(m, rotation->output);
  ASSERT_EQ(rtimes.size(), 31u);
  for (int f = 0; f <= 30; ++f) {
    EXPECT_FLOAT_EQ(rtimes[f], f / 24.0f);
    const Quaternion q = EvaluatePose(channel, f).Orientation;
    const double dot = rvalues[4 * f] * q.x + rvalues[4 * f + 1] * q.z - rvalues[4 * f + 2] * q.y +
                       rvalues[4 * f + 3] * q.w;
    EXPECT_NEAR(std::fabs(dot), 1.0, 1e-6) << "frame " << f;
  }
}

TEST(GltfExport, MeshesAreRelativeToTheCentreWithReversedCorners) {
  auto group = MakeGroup(1);
  auto& piece = *group->Objects[0].Mesh;
  // A name from another machine: a quote, a backslash, a control character
  // and a Latin-1 byte, which the JSON carries escaped and as UTF-8.
  piece.Name = "A\"B\\C\x01\xE9";
  const ExplodedGroup* groups[] = {group.get()};
  std::string bytes;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), {}, false, bytes).ok());
  EXPECT_NE(bytes.find("\"name\":\"A\\\"B\\\\C\\u0001\xC3\xA9\""), std::string::npos) << bytes.substr(0, 400);
  const tinygltf::Model m = Load(bytes, false);
  ASSERT_EQ(m.nodes.size(), 2u);
  EXPECT_EQ(m.nodes[1].name, "A\"B\\C\x01\xC3\xA9");
  EXPECT_EQ(m.meshes.at(0).name, m.nodes[1].name);
  ASSERT_EQ(m.meshes.size(), 1u);
  const auto& primitive = m.meshes[0].primitives.at(0);
  const auto positions = Floats(m, primitive.attributes.at("POSITION"));
  for (std::size_t i = 0; i < piece.Vertices.size(); ++i) {
    const auto want = YUp(Subtract(*piece.Vertices[i], piece.Axis.Center));
    for (int a = 0; a < 3; ++a) EXPECT_FLOAT_EQ(positions[3 * i + a], want[a]);
  }
  // The square 0 1 2 3 (counter-clockwise seen from +z in the modeller) is
  // drawn clockwise from above: its triangles face down, which after the axis
  // change is -y... Check the winding: normals point along -z of the modeller.
  const auto& indices = m.accessors[primitive.indices];
  EXPECT_EQ(indices.count, 9u);  // two triangles of the square, one triangle
  const auto& material = m.materials.at(primitive.material);
  EXPECT_TRUE(material.doubleSided);
  EXPECT_EQ(material.pbrMetallicRoughness.baseColorFactor, (std::vector<double>{1, 0, 0, 1}));
  const auto& node = m.nodes[m.nodes[0].children.at(0)];
  const auto centre = YUp(piece.Axis.Center);
  ASSERT_EQ(node.translation.size(), 3u);
  for (int a = 0; a < 3; ++a) EXPECT_FLOAT_EQ(node.translation[a], centre[a]);
}

TEST(GltfExport, FrameSamplingBakesEveryChannelPerFrame) {
  auto group = MakeGroup(1);
  const auto& piece = *group->Objects[0].Mesh;
  const auto& channel = *group->Objects[0].Channel;
  const ExplodedGroup* groups[] = {group.get()};
  GltfOptions options;
  options.Sampling = GltfSampling::Frames;
  std::string bytes;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), options, true, bytes).ok());
  const tinygltf::Model m = Load(bytes, true);
  const int node = m.nodes[0].children.at(0);
  for (const char* path : {"translation", "scale", "rotation"}) {
    const auto* sampler = SamplerFor(m, node, path);
    ASSERT_NE(sampler, nullptr) << path;
    EXPECT_EQ(sampler->interpolation, "LINEAR");
  }
  const auto* translation = SamplerFor(m, node, "translation");
  const auto values = Floats(m, translation->output);
  ASSERT_EQ(values.size(), 50u * 3);
  for (int f = 0; f <= 49; ++f) {
    const auto want = YUp(Add(piece.Axis.Center, EvaluatePose(channel, f).Position));
    for (int a = 0; a < 3; ++a) EXPECT_NEAR(values[3 * f + a], want[a], 1e-5);
  }
}

// A reversed run with gravity puts bounce keys before frame 0; glTF time
// starts at 0, so such channels are sampled per frame from frame 0 on.
TEST(GltfExport, KeysBeforeFrameZeroAreSampledFromFrameZero) {
  auto group = MakeGroup(1);
  const auto& piece = *group->Objects[0].Mesh;
  auto& channel = *group->Objects[0].Channel;
  channel.PositionKeys = {{3, 0, {0, -2, 0}, {4, 2, 6}},
                          {3, -1, {0, 0, 0}, {2, 1, 3}},
                          {3, 12, {0, -4, 0}, {0, 0, 0}},
                          {3, 11, {0, 0, 0}, {1, 1, 1}}};
  const ExplodedGroup* groups[] = {group.get()};
  std::string bytes;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), {}, true, bytes).ok());
  const tinygltf::Model m = Load(bytes, true);
  const auto* translation = SamplerFor(m, m.nodes[0].children.at(0), "translation");
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(translation->interpolation, "LINEAR");
  const auto times = Floats(m, translation->input);
  const auto values = Floats(m, translation->output);
  ASSERT_EQ(times.size(), 13u);
  EXPECT_EQ(times.front(), 0.0f);
  for (int f = 0; f <= 12; ++f) {
    const auto want = YUp(Add(piece.Axis.Center, EvaluatePose(channel, f).Position));
    for (int a = 0; a < 3; ++a) EXPECT_NEAR(values[3 * f + a], want[a], 1e-5) << f;
  }
}

TEST(GltfExport, TwoLinearTurnKeysStayASlerpAndStillChannelsStayStatic) {
  auto group = MakeGroup(1);
  auto& channel = *group->Objects[0].Channel;
  channel.Keys = {{2, 0, {0, -1, 0}, {0, 0, 0}, 1.0f}, {2, 30, {0, -1, 0}, {0.131f, 0.0f, 0.402f}, 0.5f}};
  channel.SizeKeys = {{4, 0, {0, 0, 0}, {2, 2, 2}}, {4, 30, {0, -3, 0}, {2, 2, 2}}};
  channel.PositionKeys = {{3, 5, {0, -1, 0}, {1, 2, 3}}};
  const ExplodedGroup* groups[] = {group.get()};
  std::string bytes;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), {}, true, bytes).ok());
  const tinygltf::Model m = Load(bytes, true);
  const int node_index = m.nodes[0].children.at(0);
  const auto* rotation = SamplerFor(m, node_index, "rotation");
  ASSERT_NE(rotation, nullptr);
  // A slerp of 80 degrees, in steps of at most 20 for importers that
  // interpolate components: frames 0 7 14 21 28 30.
  EXPECT_EQ(Floats(m, rotation->input).size(), 6u);
  EXPECT_EQ(SamplerFor(m, node_index, "translation"), nullptr) << "one key: the node's value";
  const auto& node = m.nodes[node_index];
  ASSERT_EQ(node.translation.size(), 3u);
  EXPECT_FLOAT_EQ(node.translation[1], 2 + 3);  // centre z 2 + key z 3, now y
  ASSERT_EQ(node.scale.size(), 3u);
  EXPECT_DOUBLE_EQ(node.scale[0], 2.0);
}

TEST(GltfExport, RefusesWhatItCannotCarryAndLeavesNoFile) {
  const auto dir = testing::TestFolder("refuse");
  auto group = MakeGroup(1);
  const ExplodedGroup* groups[] = {group.get()};
  const auto g = GltfGroupsOf(groups);

  EXPECT_FALSE(WriteGltf(g, (dir / "x.obj").string(), {}).ok());
  const GltfResult missing = WriteGltf(g, (dir / "no/such/folder/x.glb").string(), {});
  EXPECT_FALSE(missing.ok());
  EXPECT_FALSE(missing.error.empty());
  GltfOptions bad_fps;
  bad_fps.Fps = 0;
  EXPECT_FALSE(WriteGltf(g, (dir / "x.glb").string(), bad_fps).ok());

  auto& channel = *group->Objects[0].Channel;
  channel.PositionKeys[1].Frame = 2000000;
  const GltfResult far = WriteGltf(g, (dir / "x.glb").string(), {});
  EXPECT_FALSE(far.ok());
  EXPECT_NE(far.error.find("2000000"), std::string::npos) << far.error;
  EXPECT_TRUE(std::filesystem::is_empty(dir)) << "no file and no temporary is left";
  std::filesystem::remove_all(dir);
}

// Animation data is made again while the file is written, in runs of
// objects shared between two threads; a run may start inside a group and
// run on into the next. Into a file or into memory, the bytes are the same,
// and the last object still moves as the evaluator says.
TEST(GltfExport, ManyObjectsWriteTheSameBytesToAFileAsToMemory) {
  auto pieces = MakeGroup(2047);
  auto particles = MakeGroup(2600);
  particles->Group->ParentId = pieces->Group->Id;
  const ExplodedObject& last = particles->Objects.back();
  last.Channel->PositionKeys.back().Frame = 60;  // a time list first written in a late run
  const ExplodedGroup* groups[] = {pieces.get(), particles.get()};
  const auto g = GltfGroupsOf(groups);
  GltfOptions options;
  options.Sampling = GltfSampling::Frames;
  std::string bytes;
  ASSERT_TRUE(BuildGltf(g, options, true, bytes).ok());
  const auto dir = testing::TestFolder("many");
  // Written afresh, over an earlier export, and over a FIFO (which must be
  // replaced, never opened and waited on).
  ASSERT_EQ(::mkfifo((dir / "fifo.glb").c_str(), 0600), 0);
  for (const char* name : {"many.glb", "many.glb", "fifo.glb"}) {
    ASSERT_TRUE(WriteGltf(g, (dir / name).string(), options).ok()) << name;
    EXPECT_TRUE(testing::ReadFileBytes(dir / name) == bytes) << name;
  }
  std::filesystem::remove_all(dir);

  const tinygltf::Model m = Load(bytes, true);
  const int node = m.nodes[m.nodes[0].children.back()].children.back();
  const auto values = Floats(m, SamplerFor(m, node, "translation")->output);
  ASSERT_EQ(values.size(), 61u * 3);
  for (int f = 0; f <= 60; f += 6) {
    const auto want = YUp(Add(last.Mesh->Axis.Center, EvaluatePose(*last.Channel, f).Position));
    for (int a = 0; a < 3; ++a) EXPECT_NEAR(values[3 * f + a], want[a], 1e-5);
  }
}

// A write that fails partway (here the file-size limit, as a full disk
// would) fails the export, and neither the file nor a temporary is left.
TEST(GltfExport, AWriteFailingPartwayLeavesNoFile) {
  auto group = MakeGroup(3000);
  const ExplodedGroup* groups[] = {group.get()};
  std::string whole;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), {}, true, whole).ok());
  std::uint32_t json = 0;
  std::memcpy(&json, whole.data() + 12, 4);
  const auto dir = testing::TestFolder("full");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  // In the JSON, in the binary chunk's first part, just before the end.
  for (const rlim_t limit : {rlim_t{4096}, rlim_t{json + 5000}, rlim_t{whole.size() - 100}}) {
    rlimit small = saved;
    small.rlim_cur = limit;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const GltfResult result = WriteGltf(GltfGroupsOf(groups), (dir / "x.glb").string(), {});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(result.ok()) << limit;
    EXPECT_NE(result.error.find("could not write"), std::string::npos) << result.error;
    EXPECT_TRUE(std::filesystem::is_empty(dir)) << limit;
  }
  std::signal(SIGXFSZ, old_handler);
  std::filesystem::remove_all(dir);
}

// Meshes and motion are made ahead of the document on another thread; what
// is wrong with the pieces is still reported for the first faulty one.
TEST(GltfExport, TheFirstFaultyPieceIsReported) {
  auto group = MakeGroup(100);
  const ExplodedGroup* groups[] = {group.get()};
  group->Objects[70].Mesh->Faces[0]->VertexIndices[0] = 99;
  group->Objects[50].Channel->PositionKeys[1].Value.x = NAN;
  std::string bytes;
  GltfResult result = BuildGltf(GltfGroupsOf(groups), {}, true, bytes);
  EXPECT_NE(result.error.find("\"Bk,52\": a key value is not a finite number"), std::string::npos) << result.error;
  group->Objects[50].Channel->PositionKeys[1].Value.x = 0;
  result = BuildGltf(GltfGroupsOf(groups), {}, true, bytes);
  EXPECT_NE(result.error.find("\"Bk,72\": a face names a vertex"), std::string::npos) << result.error;
}

// Motion samples are counted, not kept, while the document is planned; a
// curve that leaves the 32-bit range must still be refused then, and one
// that only comes near it accepted.
TEST(GltfExport, MotionBeyondThe32BitRangeIsRefused) {
  auto group = MakeGroup(1);
  const ExplodedGroup* groups[] = {group.get()};
  auto& keys = group->Objects[0].Channel->PositionKeys;
  for (CAnimLineSRT& key : keys) key.Value.y = 3e38f;
  std::string bytes;
  EXPECT_TRUE(BuildGltf(GltfGroupsOf(groups), {}, true, bytes).ok());
  keys[2].Value.y = -3.4e38f;
  const GltfResult result = BuildGltf(GltfGroupsOf(groups), {}, true, bytes);
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.error.find("32-bit"), std::string::npos) << result.error;
}

// ---- real files: explode in-process, write the .cob, read it back, export

void RoundTrip(const std::string& name, const Explosion& e, GltfSampling sampling) {
  ASSERT_TRUE(e.pieces);
  std::vector<const ExplodedGroup*> groups = {e.pieces.get()};
  if (e.particles) groups.push_back(e.particles.get());
  const std::string cob = testing::WriteCob(groups);
  const ExplodedReadResult read = ReadExplodedFile(cob);
  ASSERT_TRUE(read.ok()) << read.error;

  std::size_t objects_written = 0;
  for (const auto& g : read.File.Groups) objects_written += g.Objects.size();
  std::size_t objects_made = e.pieces->Objects.size();
  if (e.particles) objects_made += e.particles->Objects.size();
  EXPECT_EQ(objects_written, objects_made);

  const auto dir = testing::TestFolder(name);
  const auto path = dir / (name + (sampling == GltfSampling::Keys ? ".glb" : ".gltf"));
  GltfOptions options;
  options.Sampling = sampling;
  const GltfResult result = WriteGltf(GltfGroupsOf(read.File), path.string(), options);
  ASSERT_TRUE(result.ok()) << result.error;

  tinygltf::TinyGLTF loader;
  tinygltf::Model m;
  std::string error;
  std::string warning;
  const bool loaded = sampling == GltfSampling::Keys
                          ? loader.LoadBinaryFromFile(&m, &error, &warning, path.string())
                          : loader.LoadASCIIFromFile(&m, &error, &warning, path.string());
  ASSERT_TRUE(loaded) << error;
  EXPECT_EQ(m.nodes.size(), read.File.Groups.size() + objects_written);

  // Key times and values as the .cob holds them.
  if (sampling == GltfSampling::Keys) {
    const auto& first_group = read.File.Groups[0];
    const int group_node = m.scenes[0].nodes[0];
    for (std::size_t k = 0; k < first_group.Objects.size(); k += 7) {
      const ExplodedObject& o = first_group.Objects[k];
      const int node = m.nodes[group_node].children.at(k);
      EXPECT_EQ(m.nodes[node].name, o.Mesh->Name);
      const std::vector<VectorKeyTangents> keys = PrepareVectorKeys(o.Channel->PositionKeys);
      const auto* sampler = SamplerFor(m, node, "translation");
      if (keys.size() < 2) {
        EXPECT_EQ(sampler, nullptr);
        continue;
      }
      ASSERT_NE(sampler, nullptr);
      const auto times = Floats(m, sampler->input);
      const auto values = Floats(m, sampler->output);
      ASSERT_EQ(times.size(), keys.size());
      for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_FLOAT_EQ(times[i], static_cast<float>(keys[i].Frame / 30.0));
        const CVector at{static_cast<float>(keys[i].Value[0]), static_cast<float>(keys[i].Value[1]),
                         static_cast<float>(keys[i].Value[2])};
        const auto want = YUp(Add(o.Mesh->Axis.Center, at));
        for (int a = 0; a < 3; ++a) EXPECT_NEAR(values[(3 * i + 1) * 3 + a], want[a], 1e-4);
      }
    }
  }
  BK_EXPECT_VALID_GLTF(path);
  std::filesystem::remove_all(dir);
}

TEST(GltfRealFiles, DwarfWithGravityAndBouncesRoundTrips) {
  BK_REQUIRE_REAL_FILE(path, "dwarf_ascii.cob");
  ExplosionOptions options;
  options.Gravity = 1;
  options.MinPieces = 40;
  RoundTrip("dwarf", Explode(path, {}, options), GltfSampling::Keys);
}

TEST(GltfRealFiles, SpiderWithParticlesRoundTripsPerFrame) {
  BK_REQUIRE_REAL_FILE(path, "spider_4_3_ascii.cob");
  BK_REQUIRE_REAL_FILE(particle, "molecule_ascii.cob");
  ExplosionOptions options;
  options.Particles = 1;
  options.PathType = 1;
  options.Stagger = 1;
  RoundTrip("spider", Explode(path, particle, options), GltfSampling::Frames);
}

TEST(GltfRealFiles, EveryRealFileExportsAValidFile) {
  for (const char* name : {"molecule_ascii.cob", "spider_6_6_ascii.cob"}) {
    BK_REQUIRE_REAL_FILE(path, name);
    ExplosionOptions options;
    options.PathType = 2;
    options.ToggleDirection = 1;
    RoundTrip(std::string(name).substr(0, 8), Explode(path, {}, options), GltfSampling::Keys);
  }
}

TEST(GltfExport, HandMadeFilesPassTheValidator) {
  const auto dir = testing::TestFolder("valid");
  auto pieces = MakeGroup(3);
  auto particles = MakeGroup(2);
  particles->Group->ParentId = pieces->Group->Id;
  const ExplodedGroup* groups[] = {pieces.get(), particles.get()};
  std::vector<std::filesystem::path> files;
  for (const char* name : {"keys.glb", "keys.gltf"}) {
    files.push_back(dir / name);
    ASSERT_TRUE(WriteGltf(GltfGroupsOf(groups), files.back().string(), {}).ok());
  }
  GltfOptions frames;
  frames.Sampling = GltfSampling::Frames;
  files.push_back(dir / "frames.glb");
  ASSERT_TRUE(WriteGltf(GltfGroupsOf(groups), files.back().string(), frames).ok());
  for (const auto& f : files) BK_EXPECT_VALID_GLTF(f);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace bk
