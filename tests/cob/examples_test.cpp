// The bundled examples are what a new user runs first: each must import with
// its unit and every material, and survive a write and read back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/pr_material.h"
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

}  // namespace
}  // namespace bk
