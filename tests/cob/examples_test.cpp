// The bundled examples are what a new user runs first: each must import with
// its unit and every material, and survive a write and read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/pr_material.h"
#include "formats/mesh_import.h"
#include "support/chunk_text.h"
#include "support/test_data.h"

namespace bk {
namespace {

std::string Example(const std::string& name) {
  return testing::ReadFileBytes(std::string(BURSTKIN_EXAMPLES_DIR) + "/" + name);
}

std::unique_ptr<CPolyChunk> Import(const std::string& text) {
  ImportResult result = ImportObjectFromText(text);
  EXPECT_TRUE(result.error.empty()) << result.error;
  return std::move(result.object);
}

int TextureKindOf(const CMaterial& m) {
  const auto* pr = dynamic_cast<const CPrMaterial*>(&m);
  return pr ? pr->TextureKind() : -2;  // -2: a plain Mat1 material
}

TEST(Examples, CrateImportsWithItsUnitAndMaterialsOfBothKinds) {
  const auto crate = Import(Example("crate.cob"));
  ASSERT_TRUE(crate);
  EXPECT_EQ(crate->Name, "Crate");
  EXPECT_EQ(crate->Vertices.size(), 26u);
  EXPECT_EQ(crate->Faces.size(), 24u);
  EXPECT_EQ(crate->UvPoints.size(), 6u);
  ASSERT_TRUE(crate->Unit);
  EXPECT_EQ(crate->Unit->Units, 2);
  ASSERT_EQ(crate->Materials.size(), 3u);
  EXPECT_EQ(TextureKindOf(*crate->Materials[0]), -2);
  ASSERT_TRUE(crate->Materials[0]->TextureName);
  EXPECT_EQ(*crate->Materials[0]->TextureName, "crate_planks.bmp");
  EXPECT_EQ(TextureKindOf(*crate->Materials[1]), 2);
  EXPECT_EQ(TextureKindOf(*crate->Materials[2]), 0);
  for (const CFace* face : crate->Faces) {
    EXPECT_GE(face->MaterialIndex, 0);
    EXPECT_LT(face->MaterialIndex, 3);
  }
  // The transform (a quarter turn about z, then a shift) is baked in.
  EXPECT_EQ(*crate->Vertices[0], CVector(2.0f, -1.0f, 0.0f));
}

TEST(Examples, SparkAndRingImport) {
  const auto spark = Import(Example("spark.cob"));
  ASSERT_TRUE(spark);
  EXPECT_EQ(spark->Faces.size(), 8u);
  ASSERT_EQ(spark->Materials.size(), 1u);
  EXPECT_EQ(spark->Materials[0]->EnvironmentFlags, 1);

  const auto ring = Import(Example("ring.cob"));
  ASSERT_TRUE(ring);
  EXPECT_EQ(ring->Faces.size(), 12u);
  EXPECT_EQ(ring->HoleCount, 2);
  EXPECT_TRUE(ring->Faces[1]->IsHole());
  ASSERT_EQ(ring->Materials.size(), 2u);
  EXPECT_EQ(ring->Materials[0]->BumpFlags, 0);
  EXPECT_EQ(TextureKindOf(*ring->Materials[1]), 1);
  ASSERT_TRUE(ring->Unit);
  EXPECT_EQ(ring->Unit->Units, 1);
}

TEST(Examples, EveryExampleWritesAndReadsBackItsMaterialsExactly) {
  for (const char* name : {"crate.cob", "spark.cob", "ring.cob"}) {
    SCOPED_TRACE(name);
    const auto object = Import(Example(name));
    ASSERT_TRUE(object);
    std::ostringstream first;
    {
      CobWriter out(first);
      out << kOutputSignature;
      out.EndLine();
      object->Write(out);
      out << kEndLine;
    }
    const auto again = Import(first.str());
    ASSERT_TRUE(again);
    ASSERT_EQ(again->Materials.size(), object->Materials.size());
    ASSERT_TRUE(again->Unit);
    for (std::size_t i = 0; i < object->Materials.size(); ++i) {
      EXPECT_EQ(testing::WrittenText(*again->Materials[i], true),
                testing::WrittenText(*object->Materials[i], true));
    }
  }
}

// The volume an object's faces enclose, positive when they all look
// outwards: the modeller's front faces turn clockwise seen from outside, the
// other way round from the usual right-hand rule. `closed` says whether every
// edge is met once in each direction (holes included), without which a
// volume means nothing.
double OutwardVolume(const CPolyChunk& object, bool& closed) {
  std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
  double volume = 0;
  for (const CFace* face : object.Faces) {
    const IndexList& ring = face->VertexIndices;
    for (std::size_t i = 0; i < ring.size(); ++i) ++edges[{ring[i], ring[(i + 1) % ring.size()]}];
    const CVector p = object.TransformPoint(*object.Vertices[ring[0]]);
    for (std::size_t i = 1; i + 1 < ring.size(); ++i) {
      const CVector a = object.TransformPoint(*object.Vertices[ring[i]]);
      const CVector b = object.TransformPoint(*object.Vertices[ring[i + 1]]);
      volume -= (p.x * (a.y * b.z - a.z * b.y) - p.y * (a.x * b.z - a.z * b.x) + p.z * (a.x * b.y - a.y * b.x)) / 6;
    }
  }
  closed = true;
  for (const auto& [edge, count] : edges) {
    const auto back = edges.find({edge.second, edge.first});
    closed = closed && back != edges.end() && back->second == count;
  }
  return volume;
}

// With back faces culled, as game engines draw by default, an object that
// faces inwards shows its inside. The modeller's own files face outwards
// (the molecule: 224 triangles of 224), and so must every closed example.
TEST(Examples, EveryClosedExampleFacesOutwards) {
  int closed_count = 0;
  for (const char* name : {"crate.cob", "spark.cob", "ring.cob", "plate_binary.cob", "prism.obj"}) {
    SCOPED_TRACE(name);
    const MeshImportResult result = ImportAnyObject(std::string(BURSTKIN_EXAMPLES_DIR) + "/" + name);
    ASSERT_TRUE(result.object) << result.error;
    bool closed = false;
    const double volume = OutwardVolume(*result.object, closed);
    if (!closed) continue;
    ++closed_count;
    EXPECT_GT(volume, 0.0);
  }
  EXPECT_EQ(closed_count, 4) << "the crate, the spark, the ring and the prism are closed";
  const std::filesystem::path molecule = testing::RealFile("molecule_ascii.cob");
  if (std::filesystem::exists(molecule)) {
    bool closed = false;
    EXPECT_GT(OutwardVolume(*ImportAnyObject(molecule.string()).object, closed), 0.0) << "the modeller's own";
  }
}

}  // namespace
}  // namespace bk
