#include "cob/material.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "cob/cob_writer.h"
#include "support/chunk_text.h"
#include "support/material_read.h"
#include "model/chunk_id.h"

namespace bk {
namespace {

using testing::Crlf;

std::string Written(const CMaterial& material) { return testing::WrittenText(material, true); }

using ReadResult = testing::MaterialRead<CMaterial>;
ReadResult ReadMat1(std::string_view text) { return testing::ReadMaterial<CMaterial>(text); }

// The lines of a plain material up to its maps.
const std::string kPlainHead =
    "Mat1 V0.05 Id 1 Parent 2 Size 0\nmat# 0\nshader: phong  facet: auto40\nrgb 1,1,1\n"
    "alpha 1  ka 0.1  ks 0.1  exp 0  ior 1\n";

constexpr std::string_view kExampleChunk =
    "Mat1 V0.05 Id 312 Parent 311 Size 00000181\n"
    "mat# 0\n"
    "shader: phong  facet: auto40\n"
    "rgb 0.9,0.9,0.91\n"
    "alpha 1  ka 0.1  ks 0.1  exp 0  ior 1\n"
    "texture: wood.bmp\n"
    "offset 0,0 repeats 1,1 flags 0\n"
    "bump: dents.bmp\n"
    "offset 0,0 repeats 1,1 amp 0.5 flags 0\n"
    "environment: sky.bmp\n"
    "flags 1\n"
    "Unit V0.01 Id 313 Parent 311 Size 00000009\n"
    "Units 2\n";

TEST(MaterialRead, TakesEveryFieldOfTheExampleChunkAndStopsAtTheNextHeader) {
  const ReadResult r = ReadMat1(kExampleChunk);
  const CMaterial& m = *r.material;
  EXPECT_EQ(m.Id, 312);
  EXPECT_EQ(m.ParentId, 311);
  EXPECT_EQ(m.MaterialNumber, 0);
  EXPECT_EQ(m.Shader, 'p');
  EXPECT_EQ(m.Facet, 'a');
  EXPECT_EQ(m.FacetAngle, 40);
  EXPECT_EQ(m.Colour, CVector(0.9f, 0.9f, 0.91f));
  EXPECT_FLOAT_EQ(m.Ks, 0.1f);
  ASSERT_TRUE(m.TextureName && m.BumpName && m.EnvironmentName);
  EXPECT_EQ(*m.TextureName, "wood.bmp");
  EXPECT_EQ(*m.BumpName, "dents.bmp");
  EXPECT_EQ(*m.EnvironmentName, "sky.bmp");
  EXPECT_EQ(m.TextureFlags, 0);
  EXPECT_EQ(m.TextureRepeats[1], 1.0f);
  EXPECT_EQ(m.BumpAmp, 0.5f);
  EXPECT_EQ(m.BumpFlags, 0);
  EXPECT_EQ(m.EnvironmentFlags, 1);
  EXPECT_EQ(m.OwnsMapNames, 1);
  EXPECT_EQ(r.next_line, "Unit V0.01 Id 313 Parent 311 Size 00000009");
}

TEST(MaterialWrite, CopyForAPieceWritesTheExampleTextExactly) {
  const ReadResult r = ReadMat1(kExampleChunk);
  ChunkIdCounter::Reset(1000006);
  std::unique_ptr<CMaterial> copy = r.material->MakeCopy();
  copy->ParentId = 1000006;
  EXPECT_EQ(copy->Id, 1000007);
  EXPECT_EQ(copy->OwnsMapNames, 0);
  EXPECT_EQ(copy->TextureName, r.material->TextureName);  // shared, not duplicated
  EXPECT_EQ(Written(*copy), Crlf("Mat1 V0.05 Id 1000007 Parent 1000006 Size -1\n"
                                 "mat# 0\n"
                                 "shader: phong  facet: auto40\n"
                                 "rgb 0.900000,0.900000,0.910000\n"
                                 "alpha 1.00  ka 0.10  ks 0.10  exp 0.00  ior 1.00\n"
                                 "environment: sky.bmp\n"
                                 "flags 1\n"
                                 "texture: wood.bmp\n"
                                 "offset 0.00,0.00 repeats 1.00,1.00 flags 0\n"
                                 "bump: dents.bmp\n"
                                 "offset 0.00,0.00 repeats 1.00,1.00 amp 0.50 flags 0\n"));
}

TEST(MaterialWrite, LeavesSixDecimalsInForceAndWritesColourWithSixOthersWithTwo) {
  CMaterial m;
  m.Id = 5;
  m.ParentId = 4;
  m.Colour = {0.5f, -0.25f, 1.0f};
  m.Alpha = 0.5f;
  std::ostringstream stream;
  {
    CobWriter out(stream);
    m.Write(out);
    EXPECT_EQ(out.GetNotation(), CobWriter::Notation::Fixed);
    EXPECT_EQ(out.GetPrecision(), 6);
  }
  EXPECT_EQ(stream.str(), Crlf("Mat1 V0.05 Id 5 Parent 4 Size -1\n"
                               "mat# 0\n"
                               "shader: phong  facet: auto40\n"
                               "rgb 0.500000,-0.250000,1.000000\n"
                               "alpha 0.50  ka 0.10  ks 0.10  exp 0.00  ior 1.00\n"));
}

TEST(MaterialRead, ShadingVariantsRoundTrip) {
  struct Case {
    const char* shader_line;
    int number_in;
    char shader, facet;
    int angle;
    const char* written;
  };
  const Case cases[] = {
      {"shader: flat  facet: smooth", 1, 'f', 's', 40, "shader: flat  facet: smooth"},
      {"shader: metal  facet: auto30", 2, 'm', 'a', 30, "shader: metal  facet: auto30"},
      {"shader: glass  facet: auto", 3, 'g', 'a', 0, "shader:   facet: auto0"},
      {"shader: phong  facet: faceted", 300, 'p', 'f', 40, "shader: phong  facet: faceted"},
      {"shader: phong  facet: x", 7, 'p', 'x', 40, "shader: phong  facet: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shader_line);
    const std::string text = "Mat1 V0.05 Id 1 Parent 2 Size 0\nmat# " + std::to_string(c.number_in) +
                             "\n" + c.shader_line + "\nrgb 1,1,1\nalpha 1 ka 0 ks 0 exp 0 ior 1\n";
    const ReadResult r = ReadMat1(text);
    EXPECT_EQ(r.material->Shader, c.shader);
    EXPECT_EQ(r.material->Facet, c.facet);
    EXPECT_EQ(r.material->FacetAngle, c.angle);
    EXPECT_EQ(r.material->MaterialNumber, c.number_in & 0xFF);  // 300 reads as 44
    const std::string out = Written(*r.material);
    EXPECT_NE(out.find("mat# " + std::to_string(c.number_in & 0xFF) + "\r\n" + c.written + "\r\n"),
              std::string::npos)
        << out;
  }
}

TEST(MaterialRead, MapsInAnyOrderAreWrittenEnvironmentTextureBump) {
  const ReadResult r = ReadMat1(
      kPlainHead +
      "bump: b.bmp\noffset 0.5,-1 repeats 2,3 amp 1.25 flags 4\n"
      "something else entirely\n"
      "texture: t.bmp\noffset 0.25,0.75 repeats 4,5 flags 6\n"
      "environment: e.bmp\nflags 7\n");
  EXPECT_EQ(r.next_line, "");  // the input ended inside the material
  const std::string out = Written(*r.material);
  const auto env = out.find("environment: e.bmp\r\nflags 7\r\n");
  const auto tex = out.find("texture: t.bmp\r\noffset 0.25,0.75 repeats 4.00,5.00 flags 6\r\n");
  const auto bump = out.find("bump: b.bmp\r\noffset 0.50,-1.00 repeats 2.00,3.00 amp 1.25 flags 4\r\n");
  ASSERT_NE(env, std::string::npos) << out;
  ASSERT_NE(tex, std::string::npos) << out;
  ASSERT_NE(bump, std::string::npos) << out;
  EXPECT_LT(env, tex);
  EXPECT_LT(tex, bump);
}

TEST(MaterialRead, MissingMapsKeepTheirNoMapFlags) {
  const ReadResult r = ReadMat1(kPlainHead + "END  V1.00 Id 0 Parent 0 Size        0");
  EXPECT_EQ(r.material->TextureFlags, CMaterial::kNoMap);
  EXPECT_EQ(r.material->BumpFlags, CMaterial::kNoMap);
  EXPECT_EQ(r.material->EnvironmentFlags, CMaterial::kNoMap);
  EXPECT_EQ(r.material->OwnsMapNames, 0);
  EXPECT_EQ(r.next_line, "END  V1.00 Id 0 Parent 0 Size        0");
}

TEST(MaterialRead, EnvironmentWithoutFlagsKeepsTheNameButIsNotWritten) {
  const ReadResult r = ReadMat1(kPlainHead + "environment: sky.bmp\nflags none\n");
  ASSERT_TRUE(r.material->EnvironmentName);
  EXPECT_EQ(*r.material->EnvironmentName, "sky.bmp");
  EXPECT_EQ(r.material->OwnsMapNames, 1);
  EXPECT_EQ(r.material->EnvironmentFlags, CMaterial::kNoMap);
  EXPECT_EQ(Written(*r.material).find("environment"), std::string::npos);
}

// Later files put shader chunks of their own (ShBx and others) right after the
// material's lines; such a header ends the material like a known type does.
TEST(MaterialRead, AnyChunkHeaderEndsTheMaterial) {
  const ReadResult r = ReadMat1(
      "Mat1 V0.08 Id 212664244 Parent 212416060 Size 00000089\nmat# 1\n"
      "shader: phong  facet: auto40\nrgb 0.8,0.8,0.8\nalpha 1  ka 0.1  ks 0  exp 0  ior 1\n"
      "ShBx V0.04 Id 212664245 Parent 212664244 Size 00000717\nShader class: color\n");
  EXPECT_EQ(r.material->Id, 212664244);
  EXPECT_EQ(r.material->MaterialNumber, 1);
  EXPECT_EQ(r.material->Ks, 0.0f);
  EXPECT_EQ(r.next_line, "ShBx V0.04 Id 212664245 Parent 212664244 Size 00000717");
}

// A map whose second line is missing must not swallow the next chunk's header:
// the chunk after it would be lost.
TEST(MaterialRead, MapCutShortLeavesTheNextHeaderForTheCaller) {
  for (const char* map : {"environment: sky.bmp", "texture: t.bmp", "bump: b.bmp"}) {
    SCOPED_TRACE(map);
    const ReadResult r = ReadMat1(kPlainHead + map + "\nMat1 V0.05 Id 9 Parent 2 Size 0\nmat# 1\n");
    EXPECT_EQ(r.next_line, "Mat1 V0.05 Id 9 Parent 2 Size 0");
    EXPECT_EQ(r.material->OwnsMapNames, 1);
  }
  const ReadResult early = ReadMat1(
      "Mat1 V0.05 Id 1 Parent 2 Size 0\nmat# 3\nUnit V0.01 Id 5 Parent 2 Size 0\nUnits 1\n");
  EXPECT_EQ(early.material->MaterialNumber, 3);
  EXPECT_EQ(early.material->Shader, 'p');  // defaults stay
  EXPECT_EQ(early.next_line, "Unit V0.01 Id 5 Parent 2 Size 0");
}

// Short and malformed lines: every cut is clamped, numbers that are not there
// read as 0 (run under the sanitizers, this also proves no read out of range).
TEST(MaterialRead, ShortAndMalformedLinesGiveZerosWithoutReadingOutOfRange) {
  const ReadResult r = ReadMat1(
      "Mat1\n"
      "mat#\n"
      "shader:\n"
      "rgb 0.5\n"
      "alpha 0.5 ka\n"
      "texture:\n"
      "off\n"
      "bump: b\n"
      "offset 1,2 repeats 3,4\n"
      "envi\n");
  const CMaterial& m = *r.material;
  EXPECT_EQ(m.Id, 0);
  EXPECT_EQ(m.ParentId, 0);
  EXPECT_EQ(m.MaterialNumber, 0);
  EXPECT_EQ(m.Shader, 'p');
  EXPECT_EQ(m.Colour, CVector(0.5f, 0.0f, 0.0f));
  EXPECT_EQ(m.Alpha, 0.5f);
  EXPECT_EQ(m.Ka, 0.1f);  // not scanned: keeps its value
  ASSERT_TRUE(m.TextureName);
  EXPECT_EQ(*m.TextureName, "");
  EXPECT_EQ(m.TextureFlags, 0);
  EXPECT_EQ(m.TextureOffset[0], 0.0f);
  EXPECT_EQ(m.BumpOffset[1], 2.0f);
  EXPECT_EQ(m.BumpRepeats[1], 4.0f);
  EXPECT_EQ(m.BumpAmp, 0.0f);
  EXPECT_EQ(m.BumpFlags, 0);
  ASSERT_TRUE(m.EnvironmentName);
  EXPECT_EQ(*m.EnvironmentName, "");
  EXPECT_EQ(m.EnvironmentFlags, CMaterial::kNoMap);
}

TEST(MaterialRead, CrLfLineEndsDoNotReachTheNames) {
  const ReadResult r = ReadMat1(
      "Mat1 V0.05 Id 1 Parent 2 Size 0\r\nmat# 0\r\nshader: phong  facet: auto40\r\n"
      "rgb 1,1,1\r\nalpha 1  ka 0.1  ks 0.1  exp 0  ior 1\r\ntexture: wood.bmp\r\n"
      "offset 0,0 repeats 1,1 flags 3\r\nEND  V1.00 Id 0 Parent 0 Size        0");
  ASSERT_TRUE(r.material->TextureName);
  EXPECT_EQ(*r.material->TextureName, "wood.bmp");
  EXPECT_EQ(r.material->TextureFlags, 3);
}

TEST(MaterialCopy, AbsentMapsAreNotCopiedAndTheCopyKeepsItsIdAndName) {
  CMaterial source;
  source.ParentId = 77;
  source.MaterialNumber = 9;
  source.TextureName = std::make_shared<const std::string>("stale.bmp");  // no map: flags say so
  source.TextureOffset[0] = 3.0f;
  source.BumpFlags = 2;
  source.BumpName = std::make_shared<const std::string>("b.bmp");
  source.BumpAmp = 0.75f;
  source.OwnsMapNames = 1;

  CMaterial copy;
  copy.Name = "mine";
  const std::int32_t own_id = copy.Id;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.Id, own_id);
  EXPECT_EQ(copy.Name, "mine");
  EXPECT_EQ(copy.ParentId, 77);
  EXPECT_EQ(copy.MaterialNumber, 9);
  EXPECT_EQ(copy.OwnsMapNames, 0);
  EXPECT_EQ(copy.TextureName, nullptr);
  EXPECT_EQ(copy.TextureOffset[0], 0.0f);
  EXPECT_EQ(copy.BumpName, source.BumpName);
  EXPECT_EQ(copy.BumpAmp, 0.75f);
}

// Names from glTF and OBJ files travel on a line of their own, which only a
// named material writes; copies for pieces keep the name.
TEST(MaterialName, IsWrittenOnlyWhenGivenAndReadBack) {
  const ReadResult plain = ReadMat1(kPlainHead);
  EXPECT_EQ(Written(*plain.material).find("name:"), std::string::npos);
  const ReadResult named = ReadMat1(kPlainHead + "name: Brushed\tSteel 2\n");
  EXPECT_EQ(named.material->Name, "Brushed\tSteel 2");
  const std::string text = Written(*named.material->MakeCopy());
  EXPECT_NE(text.find(Crlf("name: Brushed_Steel 2\n")), std::string::npos) << text;
}

}  // namespace
}  // namespace bk
