// What a reader is told about surfaces: normals by facet mode, shading
// mapped to metallic-roughness, texture maps embedded with their placement.
#include <cmath>
#include <fstream>
#include <map>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cob/pr_material.h"
#include "gltf/gltf_export.h"
#include "gltf/gltf_material.h"
#include "gltf/json_writer.h"
#include "gltf/spill_buffer.h"
#include "gltf_reader_support.h"
#include "gltf_test_support.h"

namespace bk {
namespace {

// Two unit squares sharing the edge x = 0 and folded by `degrees` about it,
// with one material of the given facet mode.
std::unique_ptr<ExplodedGroup> Fold(double degrees, char facet) {
  auto group = std::make_unique<ExplodedGroup>();
  group->Group = std::make_unique<CGroup>();
  auto piece = std::make_unique<CPolyChunk>();
  piece->Name = "Fold";
  piece->Axis.Row0 = {1, 0, 0};
  piece->Axis.Row1 = {0, 1, 0};
  piece->Axis.Row2 = {0, 0, 1};
  const float c = static_cast<float>(std::cos(degrees * M_PI / 180));
  const float s = static_cast<float>(std::sin(degrees * M_PI / 180));
  for (CVector v : {CVector{0, 0, 0}, CVector{0, 1, 0}, CVector{-1, 1, 0}, CVector{-1, 0, 0}, CVector{c, 1, s},
                    CVector{c, 0, s}}) {
    piece->AddOwnedVertex(v);
  }
  piece->AddOwnedUvPoint({0, 0});
  for (const IndexList& corners : {IndexList{0, 1, 2, 3}, IndexList{0, 5, 4, 1}}) {
    CFace face;
    face.VertexCount = 4;
    face.VertexIndices = corners;
    face.UvIndices = {0, 0, 0, 0};
    piece->AddOwnedFace(face);
  }
  auto material = std::make_unique<CMaterial>();
  material->Facet = facet;
  piece->Materials.push_back(std::move(material));
  group->Objects.push_back({std::move(piece), nullptr, {}});
  return group;
}

tinygltf::Model Export(const ExplodedGroup& group, GltfResult* result = nullptr, GltfOptions options = {}) {
  const ExplodedGroup* groups[] = {&group};
  std::string bytes;
  const GltfResult written = BuildGltf(GltfGroupsOf(groups), options, true, bytes);
  EXPECT_TRUE(written.ok()) << written.error;
  if (result != nullptr) *result = written;
  return testing::Load(bytes, true);
}

// The vertices glTF draws: corners split where their normals differ.
std::size_t VertexCount(const tinygltf::Model& m) {
  return m.accessors[m.meshes.at(0).primitives.at(0).attributes.at("POSITION")].count;
}

TEST(GltfShading, NormalsFollowTheFacetModeAndAngle) {
  // Flat: each square its own four corners; smooth: the edge's two points
  // shared; auto: shared below the facet angle (40), split above it.
  EXPECT_EQ(VertexCount(Export(*Fold(90, 'f'))), 8u);
  EXPECT_EQ(VertexCount(Export(*Fold(90, 's'))), 6u);
  EXPECT_EQ(VertexCount(Export(*Fold(30, 'a'))), 6u);
  EXPECT_EQ(VertexCount(Export(*Fold(60, 'a'))), 8u);

  const tinygltf::Model m = Export(*Fold(0, 's'));  // flat sheet: all normals equal and unit
  const auto normals = testing::Floats(m, m.meshes[0].primitives[0].attributes.at("NORMAL"));
  for (std::size_t i = 0; i < normals.size(); i += 3) {
    // The modeller's front faces turn clockwise: this sheet, counter-clockwise
    // seen from +z, faces -z, which is -y in glTF.
    EXPECT_NEAR(normals[i + 1], -1.0, 1e-6);
    EXPECT_NEAR(std::hypot(normals[i], normals[i + 1], normals[i + 2]), 1.0, 1e-6);
  }
}

// A UV sphere of radius 10 (poles as quads with two corners in one point),
// one material of the given facet mode and angle.
std::unique_ptr<CPolyChunk> Sphere(char facet, std::int32_t angle) {
  constexpr int kRings = 12;
  constexpr int kSegments = 16;
  auto sphere = std::make_unique<CPolyChunk>();
  sphere->Name = "Ball";
  sphere->Axis.Row0 = {1, 0, 0};
  sphere->Axis.Row1 = {0, 1, 0};
  sphere->Axis.Row2 = {0, 0, 1};
  for (int j = 0; j <= kRings; ++j) {
    for (int i = 0; i < kSegments; ++i) {
      const double theta = M_PI * j / kRings;
      const double phi = 2 * M_PI * i / kSegments;
      const double r = j == 0 || j == kRings ? 0.0 : 10 * std::sin(theta);  // poles in one point exactly
      sphere->AddOwnedVertex({static_cast<float>(r * std::cos(phi)), static_cast<float>(r * std::sin(phi)),
                              static_cast<float>(10 * std::cos(theta))});
    }
  }
  sphere->AddOwnedUvPoint({0, 0});
  for (std::uint32_t j = 0; j < kRings; ++j) {
    for (std::uint32_t i = 0; i < kSegments; ++i) {
      const std::uint32_t a = j * kSegments + i;
      const std::uint32_t b = j * kSegments + (i + 1) % kSegments;
      CFace face;
      face.VertexCount = 4;
      face.VertexIndices = {a, a + kSegments, b + kSegments, b};
      face.UvIndices = {0, 0, 0, 0};
      sphere->AddOwnedFace(face);
    }
  }
  sphere->VertexTotal = static_cast<std::int32_t>(sphere->Vertices.size());
  sphere->UvTotal = 1;
  sphere->FaceTotal = static_cast<std::int32_t>(sphere->Faces.size());
  auto material = std::make_unique<CMaterial>();
  material->Facet = facet;
  material->FacetAngle = angle;
  material->ParentId = sphere->Id;
  sphere->Materials.push_back(std::move(material));
  return sphere;
}

// Every drawn corner at rest: its position in glTF's world (rounded, as a
// key) and its normal.
std::multimap<std::array<long, 3>, std::array<double, 3>> CornersAtRest(const tinygltf::Model& m) {
  std::multimap<std::array<long, 3>, std::array<double, 3>> corners;
  for (const tinygltf::Node& node : m.nodes) {
    if (node.mesh < 0) continue;
    EXPECT_TRUE(node.rotation.empty() && node.scale.empty()) << "pieces at rest are only moved";
    std::array<double, 3> offset{0, 0, 0};
    if (!node.translation.empty()) offset = {node.translation[0], node.translation[1], node.translation[2]};
    for (const tinygltf::Primitive& primitive : m.meshes[node.mesh].primitives) {
      const auto points = testing::Floats(m, primitive.attributes.at("POSITION"));
      const auto normals = testing::Floats(m, primitive.attributes.at("NORMAL"));
      for (std::size_t i = 0; i < points.size(); i += 3) {
        std::array<long, 3> key;
        for (int a = 0; a < 3; ++a) key[a] = std::lround((points[i + a] + offset[a]) * 1e3);
        corners.emplace(key, std::array<double, 3>{normals[i], normals[i + 1], normals[i + 2]});
      }
    }
  }
  return corners;
}

// At rest, wherever pieces meet, each carries a normal the unexploded object
// has at that point (within 0.5 degrees): smooth stays smooth across the
// cuts, and auto keeps its facet angle over the whole object. Both from the
// explosion in memory and from its .cob read back.
TEST(GltfShading, PiecesAtRestCarryTheNormalsOfTheWholeObject) {
  for (const auto& [facet, angle] : {std::pair{'s', 40}, std::pair{'a', 20}, std::pair{'f', 40}}) {
    SCOPED_TRACE(std::string(1, facet) + std::to_string(angle));
    const auto sphere = Sphere(facet, angle);
    ExplosionOptions options;
    options.MinPieces = 40;
    MotionContext motion;
    CRandom random(7);
    NoProgress progress;
    GroupResult exploded = ExplodeObject(*sphere, MotionInputs{motion, options, random}, 0, progress);
    ASSERT_EQ(exploded.outcome(), RunOutcome::Done);
    ASSERT_GE(exploded.group.Objects.size(), 20u);
    std::string bytes;
    const GltfGroup whole{nullptr, {{sphere.get(), nullptr, {}, nullptr}}, {}};
    ASSERT_TRUE(BuildGltf({&whole, 1}, {}, true, bytes).ok());
    const auto reference = CornersAtRest(testing::Load(bytes, true));
    const ExplodedGroup* groups[] = {&exploded.group};
    const ExplodedReadResult read = ReadExplodedFile(testing::WriteCob(groups));
    ASSERT_TRUE(read.ok()) << read.error;
    for (const std::vector<GltfGroup>& route : {GltfGroupsOf(groups), GltfGroupsOf(read.File)}) {
      ASSERT_TRUE(BuildGltf(route, {}, true, bytes).ok());
      std::size_t corners = 0;
      for (const auto& [at, normal] : CornersAtRest(testing::Load(bytes, true))) {
        double best = -1;
        for (auto [it, end] = reference.equal_range(at); it != end; ++it) {
          const auto& n = it->second;
          best = std::max(best, n[0] * normal[0] + n[1] * normal[1] + n[2] * normal[2]);
        }
        ASSERT_GE(best, std::cos(0.5 * M_PI / 180)) << "a corner at (" << at[0] << ", " << at[1] << ", " << at[2]
                                                     << ") turns away from the object's normals there";
        ++corners;
      }
      EXPECT_GT(corners, reference.size() / 2);
    }
  }
}

// A face of another piece lying against one of this piece's faces but
// looking the other way (a solid cell's cap against its neighbour's, the far
// side of a thin shell) is not smoothed into it: the fold keeps the normals
// it has alone.
TEST(GltfShading, PiecesFacingAwayAreNotSmoothedTogether) {
  auto alone = Fold(90, 's');
  auto together = Fold(90, 's');
  auto cap = std::make_unique<CPolyChunk>();
  cap->Axis = together->Objects[0].Mesh->Axis;
  for (CVector v : {CVector{0, 0, 0}, CVector{0, 1, 0}, CVector{-1, 1, 0}, CVector{-1, 0, 0}}) cap->AddOwnedVertex(v);
  cap->AddOwnedUvPoint({0, 0});
  CFace face;
  face.VertexCount = 4;
  face.VertexIndices = {3, 2, 1, 0};  // the first square, turned round
  face.UvIndices = {0, 0, 0, 0};
  cap->AddOwnedFace(face);
  auto material = std::make_unique<CMaterial>();
  material->Facet = 's';
  cap->Materials.push_back(std::move(material));
  together->Objects.push_back({std::move(cap), nullptr, {}, 0});
  const tinygltf::Model a = Export(*alone);
  const tinygltf::Model b = Export(*together);
  EXPECT_EQ(testing::Floats(b, b.meshes[0].primitives[0].attributes.at("NORMAL")),
            testing::Floats(a, a.meshes[0].primitives[0].attributes.at("NORMAL")));
}

TEST(GltfShading, MaterialsCarryMetalRoughnessAlphaAndProceduralColours) {
  CMaterial metal;
  metal.Shader = 'm';
  metal.Alpha = 0.5f;
  const GltfLook shiny = LookOf(&metal);
  EXPECT_EQ(shiny.Metallic, 1.0f);
  EXPECT_TRUE(shiny.Blend);
  EXPECT_EQ(shiny.BaseColour[3], 0.5f);
  EXPECT_EQ(LookOf(nullptr).Metallic, 0.0f);
  // A sharper, stronger highlight is smoother; no highlight is fully rough.
  EXPECT_LT(RoughnessOf(1.0f, 100.0f), RoughnessOf(1.0f, 10.0f));
  EXPECT_LT(RoughnessOf(1.0f, 10.0f), RoughnessOf(0.5f, 10.0f));
  EXPECT_FLOAT_EQ(RoughnessOf(0.0f, 1000.0f), 1.0f);
  EXPECT_GE(RoughnessOf(1.0f, 1e30f), 0.05f);
  EXPECT_FLOAT_EQ(RoughnessOf(NAN, NAN), 1.0f);
  // glTF import takes roughness back through the exact inverse.
  for (float r : {0.05f, 0.3f, 0.5f, 0.9f, 1.0f}) EXPECT_NEAR(RoughnessOf(1.0f, ExponentForRoughness(r)), r, 1e-5);
  // Colours are display values in the modeller and linear in glTF: the
  // crate's wood as the modeller shows it, and back.
  CMaterial wood_colour;
  wood_colour.Colour = {0.65f, 0.45f, 0.275f};
  const GltfLook wood_look = LookOf(&wood_colour);
  EXPECT_NEAR(wood_look.BaseColour[0], 0.3801, 1e-4);
  EXPECT_NEAR(wood_look.BaseColour[1], 0.1706, 1e-4);
  EXPECT_NEAR(wood_look.BaseColour[2], 0.0615, 1e-4);
  for (int i = 0; i <= 255; ++i) EXPECT_NEAR(LinearToSrgb(SrgbToLinear(i / 255.0f)), i / 255.0f, 1e-5);

  CPrMaterial granite;
  GraniteParams stones;
  stones.Colour2 = {1, 1, 1};
  stones.Amount1 = 1;
  stones.Amount2 = 3;
  granite.TextureParams = stones;
  EXPECT_FLOAT_EQ(LookOf(&granite).BaseColour[0], SrgbToLinear(0.75f)) << "weighted by the amounts";
  CPrMaterial wood;
  WoodParams rings;
  rings.SpringColour = {1, 0, 0};
  rings.SummerColour = {0, 0, 1};
  wood.TextureParams = rings;
  EXPECT_EQ(LookOf(&wood).BaseColour, (std::array<float, 4>{SrgbToLinear(0.5f), 0, SrgbToLinear(0.5f), 1}));
}

TEST(GltfShading, TextureMapsAreEmbeddedAsPngWithTheirPlacement) {
  auto group = Fold(0, 'f');
  auto& piece = *group->Objects[0].Mesh;
  piece.AddOwnedUvPoint({1.0f, 0.25f});
  piece.Faces[0]->UvIndices = {0, 1, 1, 1};
  CMaterial& material = *piece.Materials[0];
  material.TextureFlags = 0;
  material.TextureName = std::make_shared<const std::string>("C:\\maps\\CRATE_PLANKS.BMP");
  material.TextureRepeats[0] = 2;
  material.TextureRepeats[1] = 3;
  material.TextureOffset[1] = 0.5f;
  GltfOptions options;
  options.TextureFolders = {"/no/such/folder", BURSTKIN_EXAMPLES_DIR};
  GltfResult result;
  const tinygltf::Model m = Export(*group, &result, options);
  EXPECT_TRUE(result.warnings.empty());
  ASSERT_EQ(m.images.size(), 1u);
  EXPECT_EQ(m.images[0].mimeType, "image/png");
  EXPECT_EQ(m.images[0].width, 64) << "the BMP converted and still readable";
  EXPECT_EQ(m.extensionsUsed, std::vector<std::string>{"KHR_texture_transform"});
  const auto& texture = m.materials.at(0).pbrMetallicRoughness.baseColorTexture;
  ASSERT_EQ(texture.index, 0);
  const tinygltf::Value& placement = texture.extensions.at("KHR_texture_transform");
  EXPECT_EQ(placement.Get("scale").Get(1).GetNumberAsDouble(), 3.0);
  EXPECT_EQ(placement.Get("offset").Get(1).GetNumberAsDouble(), 1.0 - 0.5 - 3.0) << "v runs down in glTF";
  const auto uv = testing::Floats(m, m.meshes[0].primitives[0].attributes.at("TEXCOORD_0"));
  EXPECT_NE(std::find(uv.begin(), uv.end(), 0.75f), uv.end()) << "v = 0.25 becomes 1 - 0.25";

  options.TextureFolders.pop_back();
  const tinygltf::Model plain = Export(*group, &result, options);
  EXPECT_TRUE(plain.images.empty());
  EXPECT_EQ(result.warnings.size(), 1u) << "a missing image is said once";
  EXPECT_EQ(plain.materials.at(0).pbrMetallicRoughness.baseColorFactor[0], static_cast<double>(SrgbToLinear(0.9f)));
}

TEST(SpillBuffer, GivesBackEveryByteInOrderPastItsMemory) {
  SpillBuffer buffer(64);
  SpillBuffer other(64);  // interleaved
  std::string want;
  for (int i = 0; i < 1000; ++i) {
    const std::string piece = std::to_string(i) + ",";
    buffer.Append(piece.data(), piece.size());
    buffer.Put(';');
    other.Append("0123456789", 10);
    want += piece + ";";
  }
  std::string got;
  buffer.ForEachPiece([&](const char* data, std::size_t size) { got.append(data, size); });
  EXPECT_EQ(buffer.Size(), want.size());
  EXPECT_EQ(got, want);
  buffer.Put('!');  // still appendable after reading back
  got.clear();
  buffer.ForEachPiece([&](const char* data, std::size_t size) { got.append(data, size); });
  EXPECT_EQ(got, want + "!");
  EXPECT_EQ(other.Size(), 10000u);
}

// Into a file the spilled part is copied inside the kernel; into a pipe,
// where the kernel cannot, by hand.
TEST(SpillBuffer, CopiesEveryByteIntoAFileOrAPipe) {
  SpillBuffer buffer(64);
  std::string want;
  for (int i = 0; i < 1000; ++i) want += std::to_string(i) + ",";
  buffer.Append(want.data(), want.size());

  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  const int fd = fileno(file);
  WriteAll(fd, "<", 1);
  buffer.CopyTo(fd);
  buffer.CopyTo(fd);
  std::string got(1 + 2 * want.size(), '\0');
  EXPECT_EQ(::pread(fd, got.data(), got.size() + 1, 0), static_cast<ssize_t>(got.size()));
  EXPECT_EQ(got, "<" + want + want);
  std::fclose(file);

  int pipe_ends[2];
  ASSERT_EQ(::pipe(pipe_ends), 0);
  buffer.CopyTo(pipe_ends[1]);  // fits in the pipe's own buffer
  ::close(pipe_ends[1]);
  std::string piped;
  char chunk[4096];
  for (ssize_t n; (n = ::read(pipe_ends[0], chunk, sizeof chunk)) > 0;) piped.append(chunk, static_cast<std::size_t>(n));
  ::close(pipe_ends[0]);
  EXPECT_EQ(piped, want);
}

// The JSON writer puts whole tokens into its buffer's memory; through a
// buffer smaller than some of them it must still write what rapidjson does.
TEST(JsonTextWriter, WritesWhatRapidJsonWritesThroughASmallBuffer) {
  SpillBuffer buffer(64);
  JsonTextWriter ours(buffer);
  rapidjson::StringBuffer text;
  rapidjson::Writer<rapidjson::StringBuffer> theirs(text);
  const std::string long_name(3000, 'n');
  auto both = [&](auto write) {
    write(ours);
    write(theirs);
  };
  both([](auto& w) { w.StartArray(); });
  for (int i = 0; i < 40; ++i) {
    both([&](auto& w) {
      w.StartObject();
      w.Key("name");
      w.String(i % 3 == 0 ? long_name.c_str() : i % 3 == 1 ? "tab\there \"quoted\"" : "B\xc3\xa4r");
      w.Key("values");
      w.StartArray();
      w.Int(-i * 1000003);
      w.Uint64(std::uint64_t{1} << (i + 20));
      w.Double(i / 7.0);
      w.Double(-1e-300 * i);
      w.Bool(i % 2 == 0);
      w.EndArray();
      w.EndObject();
    });
  }
  both([](auto& w) { w.EndArray(); });
  std::string got;
  buffer.ForEachPiece([&](const char* data, std::size_t size) { got.append(data, size); });
  EXPECT_EQ(got, std::string(text.GetString(), text.GetSize()));
}

}  // namespace
}  // namespace bk
