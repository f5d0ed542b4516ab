#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/mesh_import.h"
#include "support/sample_objects.h"

namespace bk {
namespace {

using testing::TempDir;

// Two materials from an MTL file, a textured quad, a pentagon without texture
// vertices, and a triangle whose material the MTL file does not define.
constexpr std::string_view kTwoMaterials = R"(mtllib two.mtl
o Panel
v 0 0 0
v 1 0 0
v 1 1 0
v 0 1 0
v 2 0 0
v 3 0.5 0
v 2.5 1.5 0
vt 0.25 0.5
vt 1 0
vt 1 1
vt 0 1
usemtl Paint
f 1/1 2/2 3/3 4/4
usemtl Wood
f 2 5 6 7 3
usemtl Missing
f 1 2 4
)";

constexpr std::string_view kTwoMaterialsMtl = R"(newmtl Paint
Kd 0.5 0.25 1
d 0.5
Pm 0.8
newmtl Wood
Kd 0.2 0.3 0.4
map_Kd wood grain.png
)";

MeshImportResult ImportText(const TempDir& dir, std::string_view obj, std::string_view mtl,
                            UpAxis up = UpAxis::Y) {
  if (!mtl.empty()) dir.Write("two.mtl", std::string(mtl));
  const std::string path = dir.Write("panel.obj", std::string(obj)).string();
  MeshImportSettings settings;
  settings.ObjUp = up;
  return ImportAnyObject(path, settings);
}

TEST(ObjImport, KeepsQuadsAndNgonsWithTheirMaterialsAndTextures) {
  TempDir dir;
  const MeshImportResult result = ImportText(dir, kTwoMaterials, kTwoMaterialsMtl);
  ASSERT_TRUE(result.object) << result.error;
  const CPolyChunk& object = *result.object;
  EXPECT_EQ(result.format, MeshFormat::Obj);
  EXPECT_EQ(object.Name, "Panel");
  ASSERT_EQ(object.FaceTotal, 3);
  // Corners turn the modeller's way: the first stays, the rest run backwards.
  EXPECT_EQ(object.Faces[0]->VertexIndices, (IndexList{0, 3, 2, 1}));
  EXPECT_EQ(object.Faces[0]->UvIndices, (IndexList{0, 3, 2, 1}));
  EXPECT_EQ(object.Faces[1]->VertexIndices, (IndexList{1, 2, 6, 5, 4}));
  // The pentagon has no texture vertices: all its corners share one (0, 0).
  ASSERT_EQ(object.UvTotal, 5);
  EXPECT_EQ(*object.UvPoints[4], CUvPoint(0.0f, 0.0f));
  EXPECT_EQ(object.Faces[1]->UvIndices, (std::vector<std::uint32_t>(5, 4)));
  EXPECT_EQ(*object.UvPoints[0], CUvPoint(0.25f, 0.5f));

  ASSERT_EQ(object.Materials.size(), 3u);  // Paint, Wood, and the default for "Missing"
  EXPECT_EQ(object.Faces[0]->MaterialIndex, 0);
  EXPECT_EQ(object.Faces[1]->MaterialIndex, 1);
  EXPECT_EQ(object.Faces[2]->MaterialIndex, 2);
  const CMaterial& paint = *object.Materials[0];
  EXPECT_EQ(paint.Colour, CVector(0.5f, 0.25f, 1.0f));
  EXPECT_FLOAT_EQ(paint.Alpha, 0.5f);
  EXPECT_EQ(paint.Shader, 'm');
  EXPECT_EQ(paint.TextureFlags, CMaterial::kNoMap);
  const CMaterial& wood = *object.Materials[1];
  EXPECT_EQ(wood.Shader, 'p');
  ASSERT_TRUE(wood.TextureName);
  EXPECT_EQ(*wood.TextureName, "wood grain.png");
  EXPECT_EQ(wood.TextureFlags, 0);
  EXPECT_EQ(wood.TextureRepeats[0], 1.0f);
  EXPECT_EQ(wood.TextureRepeats[1], 1.0f);
}

TEST(ObjImport, UpAxisDecidesHowCoordinatesTurn) {
  const struct {
    UpAxis up;
    CVector expected;
  } cases[] = {{UpAxis::Y, {3.0f, 0.0f, 0.5f}}, {UpAxis::Z, {3.0f, 0.5f, 0.0f}}};
  for (const auto& c : cases) {
    TempDir dir;
    const MeshImportResult result = ImportText(dir, kTwoMaterials, kTwoMaterialsMtl, c.up);
    ASSERT_TRUE(result.object) << result.error;
    EXPECT_EQ(*result.object->Vertices[5], c.expected);
  }
}

TEST(ObjImport, MaterialsAreSmoothWhenGroupedOrSharingNormals) {
  constexpr std::string_view kSquare = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvn 0 0 1\nvn 0 0 1\n";
  const struct {
    const char* faces;
    char facet;
  } cases[] = {
      {"f 1 2 3\nf 1 3 4\n", 'f'},                       // no normals, no group
      {"s 1\nf 1 2 3\nf 1 3 4\n", 's'},                  // a smoothing group
      {"f 1//1 2//1 3//1\nf 1//2 3//2 4//2\n", 'f'},     // each face its own normal
      {"f 1//1 2//1 3//1\nf 1//1 3//2 4//2\n", 's'},     // one normal on both faces
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.faces);
    TempDir dir;
    const MeshImportResult result = ImportText(dir, std::string(kSquare) + c.faces, "");
    ASSERT_TRUE(result.object) << result.error;
    ASSERT_EQ(result.object->Materials.size(), 1u);
    EXPECT_EQ(result.object->Materials[0]->Facet, c.facet);
  }
}

TEST(ObjImport, RefusesMalformedOrEmptyFiles) {
  std::string huge_face = "f";
  for (int i = 1; i <= 300; ++i) huge_face += " " + std::to_string(i % 3 + 1);
  const struct {
    std::string text;
    std::string_view error;
  } cases[] = {
      {"v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 9\n", messages::kIndexOutOfRange},
      {"v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1/5 2/5 3/5\n", messages::kIndexOutOfRange},
      {"v 0 0 0\nv 1 0 0\nv 0 1 0\nl 1 2\n", messages::kOnlyPointsOrLines},
      {"v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1e300 0 0\nf 1 2 3\n", messages::kNotRecognized},
      {"v 0 0 0\nv 1 0 0\nv 0 1 0\n" + huge_face + "\n", messages::kNotRecognized},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    TempDir dir;
    const MeshImportResult result = ImportText(dir, c.text, "");
    EXPECT_FALSE(result.object);
    EXPECT_EQ(result.error, c.error);
  }
}

TEST(ObjImport, ReadsNoMaterialFileFromOutsideItsFolder) {
  TempDir outer;
  outer.Write("secret.mtl", "newmtl Secret\nKd 1 0 0\n");
  std::filesystem::create_directory(outer.path() / "model");
  const std::string path = (outer.path() / "model" / "m.obj").string();
  const std::string obj = "mtllib ../secret.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl Secret\nf 1 2 3\n";
  outer.Write("model/m.obj", obj);
  const MeshImportResult result = ImportAnyObject(path);
  ASSERT_TRUE(result.object) << result.error;
  EXPECT_EQ(result.object->Materials[0]->Colour, CMaterial().Colour);
  ASSERT_EQ(result.notes.size(), 1u);
  EXPECT_NE(result.notes[0].find("../secret.mtl"), std::string::npos);
}

}  // namespace
}  // namespace bk
