// Every real file written by the modeller imports with its unit and all its
// materials, and a file written from the import reads back to the same object.
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "model/progress.h"
#include "support/chunk_text.h"
#include "support/test_data.h"

namespace bk {
namespace {

struct RealFile {
  const char* file;
  const char* name;
  std::size_t vertices;
  std::size_t uvs;
  std::size_t faces;
  std::int32_t units;
  std::size_t materials;
};

const RealFile kRealFiles[] = {
    {"dwarf_ascii.cob", "test2Mesh", 1485, 1479, 1896, 2, 2},
    {"molecule_ascii.cob", "Sphere", 114, 153, 128, 2, 1},
    {"spider_4_3_ascii.cob", "NoName,1", 762, 1, 1368, 2, 4},
    {"spider_6_6_ascii.cob", "NoName,1", 762, 1, 1368, 2, 4},
};

class RealFiles : public ::testing::TestWithParam<RealFile> {};

// A value written with six decimals reads back within half a unit of the last
// decimal, plus the float spacing of its magnitude.
void ExpectClose(float written, float read, float decimals_unit) {
  const float tolerance = decimals_unit / 2 + std::abs(written) * 1.2e-7f;
  EXPECT_NEAR(written, read, tolerance);
}

void ExpectCloseVector(CVector a, CVector b, float unit) {
  ExpectClose(a.x, b.x, unit);
  ExpectClose(a.y, b.y, unit);
  ExpectClose(a.z, b.z, unit);
}

TEST_P(RealFiles, ImportsFirstObjectWithUnitAndMaterials) {
  const RealFile& expected = GetParam();
  BK_REQUIRE_REAL_FILE(path, expected.file);
  ImportResult result = ImportObject(path.string());
  ASSERT_NE(result.object, nullptr) << result.error;
  const CPolyChunk& object = *result.object;
  EXPECT_EQ(object.Name, expected.name);
  EXPECT_EQ(object.Vertices.size(), expected.vertices);
  EXPECT_EQ(object.UvPoints.size(), expected.uvs);
  EXPECT_EQ(object.Faces.size(), expected.faces);
  ASSERT_NE(object.Unit, nullptr);
  EXPECT_EQ(object.Unit->Units, expected.units);
  EXPECT_EQ(object.Unit->ParentId, object.Id);
  ASSERT_EQ(object.Materials.size(), expected.materials);
  for (const auto& material : object.Materials) EXPECT_EQ(material->ParentId, object.Id);
  EXPECT_EQ(object.Axis.Row0, CVector(1, 0, 0));
  EXPECT_EQ(object.Axis.Translation, CVector());
}

TEST_P(RealFiles, ImportsTheSameWithCrLfLineEnds) {
  const RealFile& expected = GetParam();
  BK_REQUIRE_REAL_FILE(path, expected.file);
  const std::string lf = testing::ReadFileBytes(path);
  std::string crlf;
  crlf.reserve(lf.size() * 2);
  for (char c : lf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  ImportResult a = ImportObjectFromText(lf);
  ImportResult b = ImportObjectFromText(crlf);
  ASSERT_NE(a.object, nullptr);
  ASSERT_NE(b.object, nullptr) << b.error;
  EXPECT_EQ(b.object->Name, a.object->Name);
  EXPECT_EQ(b.object->Faces.size(), a.object->Faces.size());
  EXPECT_EQ(b.object->Materials.size(), a.object->Materials.size());
  ASSERT_NE(b.object->Unit, nullptr);
}

TEST_P(RealFiles, WrittenFileReadsBackAsTheSameObject) {
  const RealFile& expected = GetParam();
  BK_REQUIRE_REAL_FILE(path, expected.file);
  ImportResult first = ImportObject(path.string());
  ASSERT_NE(first.object, nullptr) << first.error;
  const CPolyChunk& a = *first.object;

  std::ostringstream os;
  {
    CobWriter out(os);
    const CCobBase* objects[] = {first.object.get()};
    NoProgress progress;
    ASSERT_TRUE(WriteObjects(out, objects, progress).ok());
  }
  ImportResult second = ImportObjectFromText(os.str());
  ASSERT_NE(second.object, nullptr) << second.error;
  const CPolyChunk& b = *second.object;

  EXPECT_EQ(b.Id, a.Id);
  EXPECT_EQ(b.ParentId, a.ParentId);
  EXPECT_EQ(b.Name, a.Name.substr(0, a.Name.find(' ')));
  ExpectCloseVector(a.Axis.Center, b.Axis.Center, 1e-6f);
  ASSERT_EQ(b.Vertices.size(), a.Vertices.size());
  for (std::size_t i = 0; i < a.Vertices.size(); ++i) {
    ExpectCloseVector(*a.Vertices[i], *b.Vertices[i], 1e-6f);
  }
  ASSERT_EQ(b.UvPoints.size(), a.UvPoints.size());
  for (std::size_t i = 0; i < a.UvPoints.size(); ++i) {
    ExpectClose(a.UvPoints[i]->u, b.UvPoints[i]->u, 1e-6f);
    ExpectClose(a.UvPoints[i]->v, b.UvPoints[i]->v, 1e-6f);
  }
  ASSERT_EQ(b.Faces.size(), a.Faces.size());
  EXPECT_EQ(b.HoleCount, a.HoleCount);
  for (std::size_t i = 0; i < a.Faces.size(); ++i) {
    EXPECT_EQ(b.Faces[i]->VertexIndices, a.Faces[i]->VertexIndices);
    EXPECT_EQ(b.Faces[i]->UvIndices, a.Faces[i]->UvIndices);
    EXPECT_EQ(b.Faces[i]->Flags, a.Faces[i]->Flags);
    if (!a.Faces[i]->IsHole()) {
      EXPECT_EQ(b.Faces[i]->MaterialIndex, a.Faces[i]->MaterialIndex);
    }
  }

  ASSERT_NE(b.Unit, nullptr);
  EXPECT_EQ(b.Unit->Units, a.Unit->Units);
  EXPECT_EQ(b.Unit->Id, a.Unit->Id);
  ASSERT_EQ(b.Materials.size(), a.Materials.size());
  // Every field a material writes, its kind and its maps included, comes
  // back as written.
  for (std::size_t i = 0; i < a.Materials.size(); ++i) {
    EXPECT_EQ(testing::WrittenText(*b.Materials[i], true), testing::WrittenText(*a.Materials[i], true))
        << "material " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(All, RealFiles, ::testing::ValuesIn(kRealFiles),
                         [](const ::testing::TestParamInfo<RealFile>& param_info) {
                           std::string name = param_info.param.file;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace bk
