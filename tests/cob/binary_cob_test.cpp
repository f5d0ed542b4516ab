// The binary form gives the object its ASCII twin gives, and any cut-short or
// malformed binary file is refused with a message.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cob/binary_cob.h"
#include "cob/group.h"
#include "engine/explosion.h"
#include "model/progress.h"
#include "model/random.h"
#include "support/binary_cob_writer.h"
#include "support/chunk_text.h"
#include "support/test_data.h"

namespace bk {
namespace {

using testing::BinaryCobWriter;
using testing::WrittenText;

void ExpectNear(float a, float b) { EXPECT_NEAR(a, b, 1e-5f * std::max(1.0f, std::abs(a))); }

void ExpectNear(CVector a, CVector b) {
  ExpectNear(a.x, b.x);
  ExpectNear(a.y, b.y);
  ExpectNear(a.z, b.z);
}

CFace Face(std::vector<std::uint32_t> corners, std::int32_t material, std::uint8_t flags = 0) {
  CFace face;
  face.VertexCount = static_cast<std::int32_t>(corners.size());
  face.MaterialIndex = material;
  face.Flags = flags;
  face.UvIndices.assign(corners.size(), 0);
  face.VertexIndices.assign(corners.begin(), corners.end());
  return face;
}

std::unique_ptr<CMaterial> MaterialWithEveryMap() {
  auto m = std::make_unique<CMaterial>();
  m->MaterialNumber = 3;
  m->Shader = 'm';
  m->Facet = 's';
  m->Colour = {0.25f, 0.5f, 0.75f};
  m->Alpha = 0.5f;
  m->EnvironmentFlags = 1;
  m->EnvironmentName = std::make_shared<const std::string>("sky.bmp");
  m->TextureFlags = 2;
  m->TextureName = std::make_shared<const std::string>("wood.bmp");
  m->TextureOffset[1] = 0.5f;
  m->TextureRepeats[0] = 2.0f;
  m->BumpFlags = 0;
  m->BumpName = std::make_shared<const std::string>("dents.bmp");
  m->BumpRepeats[1] = 3.0f;
  m->BumpAmp = 0.75f;
  return m;
}

// A square plate with a triangular hole and a flap standing up from one edge,
// under a transform that scales each axis differently and moves the object;
// one material with every map, one without; unit 3. Its vertices are local.
std::unique_ptr<CPolyChunk> PlateObject() {
  auto object = std::make_unique<CPolyChunk>();
  object->Id = 77;
  object->ParentId = 5;
  object->Name = "Plate";
  object->Axis.Center = {1, 2, 3};
  object->Axis.XAxis = {1, 0, 0};
  object->Axis.YAxis = {0, 1, 0};
  object->Axis.ZAxis = {0, 0, 1};
  object->Axis.Row0 = {2, 0, 0};
  object->Axis.Row1 = {0, 0.5f, 0};
  object->Axis.Row2 = {0, 0, -4};
  object->Axis.Translation = {10, -20, 0.25f};
  for (CVector v : {CVector(0, 0, 0), CVector(1, 0, 0), CVector(1, 1, 0), CVector(0, 1, 0),
                    CVector(0.25f, 0.25f, 0), CVector(0.75f, 0.25f, 0), CVector(0.5f, 0.75f, 0),
                    CVector(0.5f, 0, 1)}) {
    object->AddOwnedVertex(v);
  }
  object->AddOwnedUvPoint({0.5f, 1});
  object->AddOwnedFace(Face({0, 1, 2, 3}, 1));
  object->AddOwnedFace(Face({4, 5, 6}, 0, CFace::kHoleFlag));
  object->AddOwnedFace(Face({0, 1, 7}, 0, 2));
  object->VertexTotal = 8;
  object->UvTotal = 1;
  object->FaceTotal = 3;
  object->HoleCount = 1;
  object->Materials.push_back(MaterialWithEveryMap());
  object->Materials.push_back(std::make_unique<CMaterial>());
  object->Unit = std::make_unique<CUnit>();
  object->Unit->Units = 3;
  std::int32_t id = object->Id;
  for (CCobBase* child : {static_cast<CCobBase*>(object->Materials[0].get()),
                          static_cast<CCobBase*>(object->Materials[1].get()),
                          static_cast<CCobBase*>(object->Unit.get())}) {
    child->Id = ++id;  // fixed ids keep the example's bytes fixed
    child->ParentId = object->Id;
  }
  return object;
}

BinaryCobWriter PlateFile() {
  const auto plate = PlateObject();
  BinaryCobWriter out;
  out.PolyChunk(*plate);
  out.MaterialChunk(*plate->Materials[0]);
  out.UnitChunk(*plate->Unit);
  out.MaterialChunk(*plate->Materials[1]);
  out.EndOfFile();
  return out;
}

TEST(BinaryCob, HandBuiltFileGivesWorldVerticesHolesMapsAndUnit) {
  ImportResult result = ImportObjectFromText(PlateFile().bytes());
  ASSERT_TRUE(result.object) << result.error;
  const CPolyChunk& plate = *result.object;
  EXPECT_EQ(result.form, FileForm::kBinary);
  EXPECT_TRUE(result.skipped_chunk_kinds.empty());
  ASSERT_EQ(plate.Vertices.size(), 8u);
  EXPECT_EQ(*plate.Vertices[2], CVector(12, -19.5f, 0.25f));
  EXPECT_EQ(*plate.Vertices[7], CVector(11, -20, -3.75f));
  EXPECT_EQ(plate.HoleCount, 1);
  EXPECT_EQ(plate.Materials[0]->OwnsMapNames, 1);
  // Everything else as the writer puts it: ids, name, frame, identity
  // transform, faces and holes, every map's fields, the unit.
  const auto local = PlateObject();
  local->BakeTransform();
  EXPECT_EQ(WrittenText(plate, true), WrittenText(*local, true));
}

// The plate among chunks of other kinds, a second unit and a second object.
BinaryCobWriter PlateAmongOtherChunks() {
  const auto plate = PlateObject();
  BinaryCobWriter out;
  out.BeginChunk("BitM", 0, 1, 0, 0);
  out.Raw("thumbnail");
  out.EndChunk();
  out.PolyChunk(*plate, 2);
  out.MaterialChunk(*plate->Materials[0]);
  for (const char* type : {"PrTx", "ShBx", "ShBx"}) {
    out.BeginChunk(type, 0, 4, 90, 77);
    out.Raw("unknown layout");
    out.EndChunk();
  }
  out.UnitChunk(*plate->Unit);
  out.BeginChunk("Unit", 0, 1, 91, 77);
  out.I16(9);
  out.EndChunk();
  out.MaterialChunk(*plate->Materials[1]);
  out.BeginChunk("PolH", 0, 8, 92, 0);
  out.Raw("a second object is not read");
  out.EndChunk();
  return out;
}

TEST(BinaryCob, ReadsTheObjectsChunksUpToTheNextObject) {
  ImportResult result = ImportObjectFromText(PlateAmongOtherChunks().bytes());
  ASSERT_TRUE(result.object) << result.error;
  EXPECT_EQ(result.object->Name, "Plate,2");
  // The procedural material keeps its place, so face material indices hold.
  ASSERT_EQ(result.object->Materials.size(), 3u);
  EXPECT_EQ(result.object->Materials[1]->Id, 90);
  EXPECT_EQ(result.object->Materials[2]->TextureFlags, CMaterial::kNoMap);
  EXPECT_EQ(result.object->Unit->Units, 3);
  EXPECT_EQ(result.skipped_chunk_kinds, (std::vector<std::string>{"PrTx", "ShBx", "Unit"}));
}

TEST(BinaryCob, EveryCutOfAHandBuiltFileIsRefused) {
  const std::string bytes = PlateFile().bytes();
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    ImportResult result = ImportObjectFromText(std::string_view(bytes).substr(0, size));
    ASSERT_FALSE(result.object) << "cut at " << size;
    if (size >= kBinarySignature.size()) {
      EXPECT_EQ(result.error, messages::kNotRecognized) << size;
    }
  }
}

void Patch(std::string& bytes, std::size_t at, std::int32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[at + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
  }
}

TEST(BinaryCob, MalformedFilesAreRefusedWithTheirMessage) {
  const std::size_t polh = PlateFile().chunk_starts()[0];
  const std::size_t vertices = polh + 20 + 2 + 2 + 5 + 96;  // after dup, name and 24 floats
  const std::size_t faces = vertices + 4 + 8 * 12 + 4 + 8;
  const std::size_t first_corner = faces + 4 + 5;
  const auto set = [](std::size_t at, std::int32_t value) {
    return [at, value](std::string& b) { Patch(b, at, value); };
  };
  const auto text = [](std::size_t at, std::string_view value) {
    return [at, value](std::string& b) { b.replace(at, value.size(), value); };
  };
  const std::string_view kNot = messages::kNotRecognized;
  const struct {
    const char* what;
    std::function<void(std::string&)> spoil;
    std::string_view message;
  } cases[] = {
      // Controls: the offsets above name the fields they mean.
      {"the same vertex count", set(vertices, 8), ""},
      {"the same face count", set(faces, 3), ""},
      {"another valid corner", set(first_corner, 7), ""},
      {"big-endian", text(16, "HL"), messages::kBigEndian},
      {"unknown byte order", text(16, "XY"), kNot},
      {"neither form", text(15, "C"), messages::kAsciiOnly},
      {"no object", text(32, "Grou"), kNot},
      {"chunk past the end", set(polh + 16, 1 << 30), kNot},
      {"negative chunk size", set(polh + 16, -1), kNot},
      {"negative vertex count", set(vertices, -1), kNot},
      {"vertex count past the bytes", set(vertices, 100000), kNot},
      {"face count past the bytes", set(faces, 1 << 28), kNot},
      {"corner past the vertices", set(first_corner, 8), kNot},
      {"negative corner index", set(first_corner, -1), kNot},
      {"no END chunk", [](std::string& b) { b.resize(b.size() - 20); }, kNot},
  };
  for (const auto& c : cases) {
    std::string bytes = PlateFile().bytes();
    c.spoil(bytes);
    ImportResult result = ImportObjectFromText(bytes);
    EXPECT_EQ(result.object == nullptr, !c.message.empty()) << c.what;
    EXPECT_EQ(result.error, c.message) << c.what;
  }
}

TEST(BinaryCob, TextureVertexCountsKeepTheAsciiLimit) {
  for (std::int32_t count : {CPolyChunk::kMaxPointCount, CPolyChunk::kMaxPointCount + 1}) {
    BinaryCobWriter out;
    out.BeginChunk("PolH", 0, 8, 1, 0);
    out.I16(0);
    out.String("Big");
    out.Raw(std::string(24 * 4 + 4, '\0'));  // frame, transform, no vertices
    out.I32(count);
    out.Raw(std::string(8 * static_cast<std::size_t>(count) + 4, '\0'));  // and no faces
    out.EndChunk();
    out.EndOfFile();
    ImportResult result = ImportObjectFromText(out.bytes());
    EXPECT_EQ(result.object != nullptr, count == CPolyChunk::kMaxPointCount) << count;
  }
}

// BURSTKIN_UPDATE_BINARY_SAMPLES=1 rewrites the example and the binary
// fuzzer's seeds from the builders above.
TEST(BinaryCob, BundledExampleIsTheHandBuiltPlate) {
  const std::string examples = BURSTKIN_EXAMPLES_DIR;
  const std::string plate = PlateFile().bytes();
  if (std::getenv("BURSTKIN_UPDATE_BINARY_SAMPLES") != nullptr) {
    const auto write = [](const std::string& path, const std::string& bytes) {
      std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    };
    write(examples + "/plate_binary.cob", plate);
    const std::string seeds = examples + "/../fuzz/corpus/binary_import/";
    write(seeds + "plate.cob", plate);
    write(seeds + "plate_cut.cob", plate.substr(0, plate.size() / 2));
    write(seeds + "plate_big_endian.cob", std::string(plate).replace(16, 2, "HL"));
    write(seeds + "plate_among_other_chunks.cob", PlateAmongOtherChunks().bytes());
  }
  EXPECT_EQ(testing::ReadFileBytes(examples + "/plate_binary.cob"), plate);
}

struct Twin {
  const char* binary;
  const char* ascii;
  std::vector<std::string> texture_names;  // of the binary file's materials, in order
  friend void PrintTo(const Twin& twin, std::ostream* os) { *os << twin.binary; }
};

class BinaryTwins : public ::testing::TestWithParam<Twin> {
 protected:
  void SetUp() override {
    BK_REQUIRE_REAL_BINARY_FILE(binary_path, GetParam().binary);
    BK_REQUIRE_REAL_FILE(ascii_path, GetParam().ascii);
    binary = ImportObject(binary_path.string());
    ascii = ImportObject(ascii_path.string());
    ASSERT_TRUE(binary.object) << binary.error;
    ASSERT_TRUE(ascii.object) << ascii.error;
  }
  ImportResult binary;
  ImportResult ascii;
};

// The ASCII twins put texture maps in shader chunks the reader skips.
std::string TextWithoutTexture(const CMaterial& m) {
  auto copy = m.MakeCopy();
  copy->Id = m.Id;
  copy->TextureFlags = CMaterial::kNoMap;
  return WrittenText(*copy, true);
}

TEST_P(BinaryTwins, ImportGivesTheAsciiTwinsObject) {
  const CPolyChunk& b = *binary.object;
  const CPolyChunk& a = *ascii.object;
  EXPECT_EQ(binary.form, FileForm::kBinary);
  EXPECT_EQ(ascii.form, FileForm::kAscii);
  EXPECT_EQ(b.Id, a.Id);
  EXPECT_EQ(b.Name, a.Name);
  ExpectNear(b.Axis.Center, a.Axis.Center);
  CAxis frame = b.Axis;
  frame.Center = a.Axis.Center;
  EXPECT_EQ(frame, a.Axis);  // the same axes, identity transforms
  ASSERT_EQ(b.Vertices.size(), a.Vertices.size());
  for (std::size_t i = 0; i < a.Vertices.size(); ++i) ExpectNear(*b.Vertices[i], *a.Vertices[i]);
  ASSERT_EQ(b.UvPoints.size(), a.UvPoints.size());
  for (std::size_t i = 0; i < a.UvPoints.size(); ++i) {
    ExpectNear(b.UvPoints[i]->u, a.UvPoints[i]->u);
    ExpectNear(b.UvPoints[i]->v, a.UvPoints[i]->v);
  }
  ASSERT_EQ(b.Faces.size(), a.Faces.size());
  EXPECT_EQ(b.HoleCount, a.HoleCount);
  for (std::size_t i = 0; i < a.Faces.size(); ++i) {
    EXPECT_EQ(b.Faces[i]->Flags, a.Faces[i]->Flags);
    EXPECT_EQ(b.Faces[i]->MaterialIndex, a.Faces[i]->MaterialIndex);
    EXPECT_EQ(b.Faces[i]->VertexIndices, a.Faces[i]->VertexIndices);
    EXPECT_EQ(b.Faces[i]->UvIndices, a.Faces[i]->UvIndices);
  }
  ASSERT_TRUE(b.Unit && a.Unit);
  EXPECT_EQ(WrittenText(*b.Unit, true), WrittenText(*a.Unit, true));
  // Every material field as the writer puts it, but for the binary dwarf's
  // texture names.
  ASSERT_EQ(b.Materials.size(), a.Materials.size());
  for (std::size_t i = 0; i < a.Materials.size(); ++i) {
    EXPECT_EQ(TextWithoutTexture(*b.Materials[i]), TextWithoutTexture(*a.Materials[i]));
    const auto& names = GetParam().texture_names;
    const auto& name = b.Materials[i]->TextureName;
    EXPECT_EQ(name ? *name : "", names.empty() ? "" : names[i]);
  }
  EXPECT_NE(std::find(binary.skipped_chunk_kinds.begin(), binary.skipped_chunk_kinds.end(), "ShBx"),
            binary.skipped_chunk_kinds.end());
}

ExplodedGroup ExplodeWithSeed(const CPolyChunk& source) {
  ExplosionOptions options;
  options.ObjectFaces = source.FaceTotal;
  options.UpdateDerivedValues();
  options.ApplyFifthOfFacesRule();
  options.UpdateDerivedValues();
  MotionContext motion;
  CRandom random(7);
  NoProgress progress;
  GroupResult result = ExplodeObject(source, MotionInputs{motion, options, random}, 0, progress);
  EXPECT_EQ(result.outcome(), RunOutcome::Done);
  return std::move(result.group);
}

TEST_P(BinaryTwins, ExplosionGivesTheTwinsPieces) {
  const ExplodedGroup b = ExplodeWithSeed(*binary.object);
  const ExplodedGroup a = ExplodeWithSeed(*ascii.object);
  ASSERT_TRUE(b.Group && a.Group);
  ASSERT_EQ(b.Objects.size(), a.Objects.size());
  for (std::size_t i = 0; i < a.Objects.size(); ++i) {
    const CPolyChunk& pb = *b.Objects[i].Mesh;
    const CPolyChunk& pa = *a.Objects[i].Mesh;
    ASSERT_EQ(pb.FaceTotal, pa.FaceTotal) << "piece " << i;
    ASSERT_EQ(pb.Vertices.size(), pa.Vertices.size()) << "piece " << i;
    for (std::size_t v = 0; v < pa.Vertices.size(); ++v) {
      ExpectNear(*pb.Vertices[v], *pa.Vertices[v]);
    }
  }
}

TEST_P(BinaryTwins, EveryCutAtAChunkBoundaryOrBetweenIsRefused) {
  const std::string bytes = testing::ReadFileBytes(testing::RealBinaryFile(GetParam().binary));
  std::vector<std::size_t> cuts;
  for (std::size_t at = 32; at + 20 <= bytes.size();) {  // every chunk's start
    cuts.push_back(at);
    std::uint32_t size = 0;
    for (int i = 3; i >= 0; --i) size = size * 256 + static_cast<std::uint8_t>(bytes[at + 16 + i]);
    at += 20 + size;
  }
  for (std::size_t at = 33; at < bytes.size(); at += 4099) cuts.push_back(at);
  for (std::size_t cut : cuts) {
    ImportResult result = ImportObjectFromText(std::string_view(bytes).substr(0, cut));
    ASSERT_FALSE(result.object) << "cut at " << cut;
    EXPECT_EQ(result.error, messages::kNotRecognized);
  }
}

INSTANTIATE_TEST_SUITE_P(
    RealFiles, BinaryTwins,
    ::testing::Values(Twin{"dwarf.cob", "dwarf_ascii.cob", {"dwarf.jpg", "axe.jpg"}},
                      Twin{"spider_4_3.cob", "spider_4_3_ascii.cob", {}},
                      Twin{"spider_6_6.cob", "spider_6_6_ascii.cob", {}}),
    [](const auto& test) {
      const std::string file = test.param.binary;
      return file.substr(0, file.find('.'));
    });

}  // namespace
}  // namespace bk
