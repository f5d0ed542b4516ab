#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cob/cob_file.h"
#include "cob/material_pbr.h"
#include "formats/mesh_import.h"
#include "gltf/gltf_export.h"
#include "gltf/gltf_test_support.h"
#include "model/triangulate.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

using nlohmann::json;

std::string Base64(const std::string& bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t available = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t n = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      n = (n << 8) | (k < available ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    }
    for (std::size_t k = 0; k < 4; ++k) out += k <= available ? kDigits[(n >> (18 - 6 * k)) & 63] : '=';
  }
  return out;
}

template <typename T>
std::string Raw(std::initializer_list<T> values) {
  std::string bytes(values.size() * sizeof(T), '\0');
  std::memcpy(bytes.data(), std::data(values), bytes.size());
  return bytes;
}

// One triangle (0,0,0) (1,0,0) (0,1,0) with texture vertices and normals,
// under a parent node moved by (1,0,0) and turned a quarter about z; the
// child scales by 2. Its material has a colour, a metal factor and an
// embedded PNG.
json TriangleDocument() {
  const std::string data = Raw<float>({0, 0, 0, 1, 0, 0, 0, 1, 0}) + Raw<float>({0, 0, 1, 0, 0, 1, 0, 0, 1}) +
                           Raw<float>({0.25f, 0.75f, 1, 1, 0, 0}) + "\x89PNG\r\n\x1a\n";
  json doc = {
      {"asset", {{"version", "2.0"}}},
      {"scene", 0},
      {"scenes", {{{"nodes", {0}}}}},
      {"nodes",
       {{{"name", "Parent"}, {"translation", {1, 0, 0}}, {"rotation", {0, 0, std::sqrt(0.5), std::sqrt(0.5)}},
         {"children", {1}}},
        {{"name", "Child"}, {"scale", {2, 2, 2}}, {"mesh", 0}}}},
      {"meshes",
       {{{"primitives", {{{"attributes", {{"POSITION", 0}, {"NORMAL", 1}, {"TEXCOORD_0", 2}}}, {"material", 0}}}}}}},
      {"materials",
       {{{"pbrMetallicRoughness",
          {{"baseColorFactor", {0.5, 0.25, 1, 0.5}}, {"metallicFactor", 1}, {"baseColorTexture", {{"index", 0}}}}}}}},
      {"textures", {{{"source", 0}}}},
      {"images", {{{"bufferView", 3}, {"mimeType", "image/png"}}}},
      {"buffers", {{{"byteLength", data.size()}, {"uri", "data:application/octet-stream;base64," + Base64(data)}}}},
      {"bufferViews",
       {{{"buffer", 0}, {"byteOffset", 0}, {"byteLength", 36}},
        {{"buffer", 0}, {"byteOffset", 36}, {"byteLength", 36}},
        {{"buffer", 0}, {"byteOffset", 72}, {"byteLength", 24}},
        {{"buffer", 0}, {"byteOffset", 96}, {"byteLength", 8}}}},
      {"accessors",
       {{{"bufferView", 0}, {"componentType", 5126}, {"count", 3}, {"type", "VEC3"}},
        {{"bufferView", 1}, {"componentType", 5126}, {"count", 3}, {"type", "VEC3"}},
        {{"bufferView", 2}, {"componentType", 5126}, {"count", 3}, {"type", "VEC2"}}}},
  };
  return doc;
}

MeshImportResult ImportJson(const json& doc, const std::string& hint = "scene.gltf") {
  return ImportAnyObjectFromBytes(doc.dump(), hint);
}

void ExpectNear(CVector actual, CVector expected, float tolerance = 1e-5f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(GltfImport, BakesTheNodeHierarchyAndTurnsYUpIntoZUp) {
  const MeshImportResult result = ImportJson(TriangleDocument());
  ASSERT_TRUE(result.object) << result.error;
  const CPolyChunk& object = *result.object;
  EXPECT_EQ(result.format, MeshFormat::Gltf);
  EXPECT_EQ(object.Name, "Child");
  ASSERT_EQ(object.VertexTotal, 3);
  // glTF (1,0,0) (1,2,0) (-1,0,0), then (x, y, z) -> (x, -z, y).
  ExpectNear(*object.Vertices[0], {1, 0, 0});
  ExpectNear(*object.Vertices[1], {1, 0, 2});
  ExpectNear(*object.Vertices[2], {-1, 0, 0});
  ASSERT_EQ(object.FaceTotal, 1);
  EXPECT_EQ(object.Faces[0]->VertexIndices, (IndexList{0, 2, 1}));
  ASSERT_EQ(object.UvTotal, 3);
  EXPECT_EQ(*object.UvPoints[0], CUvPoint(0.25f, 0.25f));  // v measured from the bottom

  ASSERT_EQ(object.Materials.size(), 1u);
  const CMaterial& material = *object.Materials[0];
  // Linear factors become display values.
  EXPECT_EQ(material.Colour, CVector(LinearToSrgb(0.5f), LinearToSrgb(0.25f), 1.0f));
  EXPECT_FLOAT_EQ(material.Alpha, 0.5f);
  EXPECT_EQ(material.Shader, 'm');
  EXPECT_EQ(material.Facet, 'f');  // the normals are the face's own
  ASSERT_TRUE(material.TextureName);
  EXPECT_EQ(*material.TextureName, "scene_0.png");
  ASSERT_EQ(result.images.size(), 1u);
  EXPECT_EQ(result.images[0].Name, "scene_0.png");
  EXPECT_EQ(result.images[0].Bytes, "\x89PNG\r\n\x1a\n");
}

TEST(GltfImport, PrimitiveModesMirrorsAndNormalsShapeTheFaces) {
  const struct {
    const char* what;
    std::function<void(json&)> change;
    int faces;
    std::vector<std::uint32_t> first;
    char facet;
  } cases[] = {
      {"strip", [](json& d) { d["meshes"][0]["primitives"][0]["mode"] = 5; }, 1, {0, 2, 1}, 'f'},
      {"fan", [](json& d) { d["meshes"][0]["primitives"][0]["mode"] = 6; }, 1, {1, 0, 2}, 'f'},
      {"mirror", [](json& d) { d["nodes"][1]["scale"] = {-2, 2, 2}; }, 1, {0, 1, 2}, 'f'},
      {"bent normals", [](json& d) { d["accessors"][1]["bufferView"] = 0; }, 1, {0, 2, 1}, 's'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    json doc = TriangleDocument();
    c.change(doc);
    const MeshImportResult result = ImportJson(doc);
    ASSERT_TRUE(result.object) << result.error;
    ASSERT_EQ(result.object->FaceTotal, c.faces);
    EXPECT_EQ(result.object->Faces[0]->VertexIndices, c.first);
    EXPECT_EQ(result.object->Materials[0]->Facet, c.facet);
  }
}

TEST(GltfImport, RefusesMalformedDocuments) {
  // Made messages outlive the table that views them.
  const std::string needs_meshopt = messages::NeedsGltfExtension("EXT_meshopt_compression");
  const std::string missing_buffer = messages::MissingLinkedFile("x.bin");
  const struct {
    const char* what;
    std::function<void(json&)> change;
    std::string_view error;
  } cases[] = {
      {"accessor past its view", [](json& d) { d["accessors"][0]["count"] = 4; }, messages::kIndexOutOfRange},
      {"accessor index past the list",
       [](json& d) { d["meshes"][0]["primitives"][0]["attributes"]["POSITION"] = 9; },
       messages::kIndexOutOfRange},
      {"node cycle", [](json& d) { d["nodes"][1]["children"] = {0}; }, messages::kNotRecognized},
      {"points only", [](json& d) { d["meshes"][0]["primitives"][0]["mode"] = 0; }, messages::kOnlyPointsOrLines},
      {"glTF 1.0", [](json& d) { d["asset"]["version"] = "1.0"; }, messages::kGltfOne},
      {"glTF 1.0 layout", [](json& d) { d = json::parse(R"({"asset":{"version":"1.0"},"meshes":{"m":{}}})"); },
       messages::kGltfOne},
      {"too many vertices",
       [](json& d) {
         d["accessors"][0].erase("bufferView");
         d["accessors"][0]["count"] = 1000001;
       },
       messages::kTooLarge},
      {"compressed", [](json& d) { d["extensionsRequired"] = {"KHR_draco_mesh_compression"}; },
       "Burstkin could not recognize file: its meshes are compressed with Draco, which Burstkin does "
       "not read. Export it again without mesh compression."},
      {"meshopt", [](json& d) { d["extensionsRequired"] = {"EXT_meshopt_compression"}; },
       needs_meshopt},
      {"unknown extension", [](json& d) { d["extensionsRequired"] = {"EXT_other"}; },
       "Burstkin could not recognize file: it needs the glTF extension EXT_other."},
      {"external buffer outside the folder", [](json& d) { d["buffers"][0]["uri"] = "../x.bin"; },
       missing_buffer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    json doc = TriangleDocument();
    c.change(doc);
    const MeshImportResult result = ImportJson(doc);
    EXPECT_FALSE(result.object);
    EXPECT_EQ(result.error, c.error);
  }
}

TEST(GltfImport, ReadsAnExternalBufferBesideTheDocument) {
  testing::TempDir dir;
  json doc = TriangleDocument();
  const std::string uri = doc["buffers"][0]["uri"];
  const std::string data = Raw<float>({0, 0, 0, 1, 0, 0, 0, 1, 0}) + std::string(68, '\0');
  dir.Write("tri.bin", data);
  doc["buffers"][0] = {{"byteLength", data.size()}, {"uri", "tri.bin"}};
  doc.erase("images");
  doc.erase("textures");
  doc["materials"][0]["pbrMetallicRoughness"].erase("baseColorTexture");
  const MeshImportResult result = ImportAnyObject(dir.Write("tri.gltf", doc.dump()).string());
  ASSERT_TRUE(result.object) << result.error;
  EXPECT_EQ(result.object->VertexTotal, 3);
}

// Burstkin's own export (a piece at its rest pose) reads back to the source.
void ExpectReadsBackAsExported(const CPolyChunk& source, const std::vector<GltfGroup>& groups) {
  std::string bytes;
  ASSERT_TRUE(BuildGltf(groups, {}, true, bytes).ok());
  const MeshImportResult result = ImportAnyObjectFromBytes(bytes, "");
  ASSERT_TRUE(result.object) << result.error;
  EXPECT_EQ(result.format, MeshFormat::Glb);
  const CPolyChunk& back = *result.object;
  // The export splits a vertex where its faces' normals part, so the read-back
  // object may hold a point more than once: the points, not the lists, agree.
  auto near = [](CVector a, CVector b) {
    const float tolerance = 1e-5f * std::max({1.0f, std::fabs(b.x), std::fabs(b.y), std::fabs(b.z)});
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance &&
           std::fabs(a.z - b.z) <= tolerance;
  };
  auto holds = [&](const CPolyChunk& object, CVector p) {
    return std::any_of(object.Vertices.begin(), object.Vertices.end(),
                       [&](const CVector* v) { return near(*v, p); });
  };
  EXPECT_GE(back.Vertices.size(), source.Vertices.size());
  for (const CVector* v : back.Vertices) EXPECT_TRUE(holds(source, *v)) << v->x << " " << v->y << " " << v->z;
  for (const CFace* face : source.Faces) {
    for (std::uint32_t i : face->VertexIndices) EXPECT_TRUE(holds(back, *source.Vertices[i])) << i;
  }
  std::size_t triangles = 0;
  std::vector<CVector> points;
  for (const CVector* v : source.Vertices) points.push_back(*v);
  for (const CFace* face : source.Faces) {
    std::vector<std::uint32_t> out;
    TriangulateFace(points, face->VertexIndices, {}, out);
    triangles += out.size() / 3;
  }
  EXPECT_EQ(static_cast<std::size_t>(back.FaceTotal), triangles);
}

TEST(GltfImport, ReadsBurstkinsOwnExportBackAtRest) {
  const auto group = testing::MakeGroup(3);
  const ExplodedGroup* groups[] = {group.get()};
  const auto exported = GltfGroupsOf(groups);
  ASSERT_EQ(exported.size(), 1u);
  // Every piece is a copy of MakePiece at its own centre: the read-back
  // object holds all of them one after the other.
  CPolyChunk all;
  for (std::size_t k = 0; k < exported[0].ObjectCount(); ++k) {
    const GltfObject object = exported[0].Object(k);
    const auto base = static_cast<std::uint32_t>(all.Vertices.size());
    for (const CVector* v : object.Mesh->Vertices) all.AddOwnedVertex(*v);
    for (const CFace* f : object.Mesh->Faces) {
      CFace face = *f;
      for (std::uint32_t& i : face.VertexIndices) i += base;
      all.AddOwnedFace(face);
    }
  }
  ExpectReadsBackAsExported(all, exported);
}

TEST(GltfImport, RealFilesExportedToGltfReadBackTheSame) {
  for (const char* name : {"dwarf_ascii.cob", "molecule_ascii.cob", "spider_4_3_ascii.cob"}) {
    SCOPED_TRACE(name);
    BK_REQUIRE_REAL_FILE(path, name);
    const ImportResult source = ImportObject(path.string());
    ASSERT_TRUE(source.object) << source.error;
    ExpectReadsBackAsExported(*source.object, {GltfGroup{nullptr, {{source.object.get(), nullptr, {}}}, {}}});
  }
}

}  // namespace
}  // namespace bk
