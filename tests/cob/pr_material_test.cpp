#include "cob/pr_material.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "cob/cob_writer.h"
#include "support/chunk_text.h"
#include "support/material_read.h"
#include "cob/line_reader.h"

namespace bk {
namespace {

using testing::Crlf;

std::string Written(const CMaterial& material) { return testing::WrittenText(material, true); }

using ReadResult = testing::MaterialRead<CPrMaterial>;
ReadResult ReadPrTx(std::string_view text) { return testing::ReadMaterial<CPrMaterial>(text); }

constexpr std::string_view kShading =
    "mat# 1\n"
    "shader: phong  facet: auto40\n"
    "rgb 0.900000,0.900000,0.910000\n"
    "alpha 1.00  ka 0.10  ks 0.10  exp 0.00  ior 1.00\n";

constexpr std::string_view kHeader = "PrTx V0.01 Id 1000009 Parent 1000006 Size -1\n";

std::unique_ptr<CPrMaterial> NewPrTx() {
  auto m = std::make_unique<CPrMaterial>();
  m->Id = 1000009;
  m->ParentId = 1000006;
  m->MaterialNumber = 1;
  return m;
}

TEST(PrMaterialGranite, WritesItsLayoutAndReadsItBack) {
  auto m = NewPrTx();
  GraniteParams g;
  g.Colour1 = {0.1f, 0.2f, 0.3f};
  g.Alpha1 = 1.0f;
  g.Colour2 = {0.4f, 0.5f, 0.6f};
  g.Alpha2 = 0.5f;
  g.Colour3 = {0.7f, 0.8f, 0.9f};
  g.Alpha3 = 0.25f;
  g.Colour4 = {1.0f, 0.0f, -0.5f};
  g.Alpha4 = 0.0f;
  g.Amount1 = 0.1f;
  g.Amount2 = 0.2f;
  g.Amount3 = 0.3f;
  g.Amount4 = 0.4f;
  g.Sharpness = 0.75f;
  g.Scale = {1.0f, 2.0f, 3.5f};
  g.Seed = 4711.0f;
  m->TextureParams = g;
  const std::string text = Written(*m);
  EXPECT_EQ(text, Crlf(std::string(kHeader) + std::string(kShading) +
                       "granite:\n"
                       "rgba1 0.100000,0.200000,0.300000,1.000000  "
                       "rgba2 0.400000,0.500000,0.600000,0.500000\n"
                       "rgba3 0.700000,0.800000,0.900000,0.250000  "
                       "rgba4 1.000000,0.000000,-0.500000,0.000000\n"
                       "amount1 0.10  amount2 0.20  amount3 0.30  amount4 0.40\n"
                       "sharpness 0.75  scale 1.00,2.00,3.50  seed 4711.00\n"));

  // The written text pins every field to its place, so reading it back to
  // the same text shows each value went to its field.
  const ReadResult r = ReadPrTx(text);
  EXPECT_EQ(r.material->TextureKind(), 0);
  EXPECT_EQ(Written(*r.material), text);
}

TEST(PrMaterialMarble, WritesItsLayoutAndReadsItBack) {
  auto m = NewPrTx();
  MarbleParams p;
  p.StoneColour = {0.9f, 0.85f, 0.8f};
  p.StoneAlpha = 1.0f;
  p.VeinColour = {0.1f, 0.125f, 0.2f};
  p.VeinAlpha = 0.5f;
  p.Sharpness = 0.3f;
  p.Scale = {2.0f, 2.0f, 0.5f};
  p.Turbulence = 3;
  p.Grain = -2;
  p.Seed = 17;
  m->TextureParams = p;
  const std::string text = Written(*m);
  EXPECT_EQ(text, Crlf(std::string(kHeader) + std::string(kShading) +
                       "marble:\n"
                       "stonergba 0.900000,0.850000,0.800000,1.000000  "
                       "veinrgba 0.100000,0.125000,0.200000,0.500000\n"
                       "sharpness 0.30  scale 2.00,2.00,0.50\n"
                       "turbulence 3  grain -2  seed 17\n"));

  const ReadResult r = ReadPrTx(text);
  EXPECT_EQ(r.material->TextureKind(), 1);
  EXPECT_EQ(Written(*r.material), text);
}

constexpr std::string_view kWoodChunk =
    "PrTx V0.01 Id 1000009 Parent 1000006 Size -1\n"
    "mat# 1\n"
    "shader: phong  facet: auto40\n"
    "rgb 0.900000,0.900000,0.910000\n"
    "alpha 1.00  ka 0.10  ks 0.10  exp 0.00  ior 1.00\n"
    "wood:\n"
    "springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.100000,1.000000\n"
    "ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30\n"
    "center 0.00,0.00,0.00scale 1.00,1.00,1.00\n"
    "grain 2  seed 17\n";

TEST(PrMaterialWood, ReadsAndWritesTheExampleExactly) {
  const ReadResult r = ReadPrTx(kWoodChunk);
  EXPECT_EQ(r.material->TextureKind(), 2);
  const auto& w = std::get<WoodParams>(r.material->TextureParams);
  EXPECT_EQ(w.SpringColour, CVector(0.8f, 0.6f, 0.4f));
  EXPECT_EQ(w.SummerColour, CVector(0.5f, 0.3f, 0.1f));
  EXPECT_EQ(w.SpringAlpha, 1.0f);
  EXPECT_EQ(w.SummerAlpha, 1.0f);
  EXPECT_EQ(w.RDensity, 8.0f);
  EXPECT_FLOAT_EQ(w.RShapeVar, 0.3f);
  EXPECT_EQ(w.Grain, 2);
  EXPECT_EQ(w.Seed, 17);
  EXPECT_EQ(w.Scale, CVector(1.0f, 1.0f, 1.0f));
  EXPECT_EQ(Written(*r.material), Crlf(kWoodChunk));
}

TEST(PrMaterialWood, CentreLineWithoutBlankBeforeScaleReadsBackSixValues) {
  auto m = NewPrTx();
  WoodParams w;
  w.Center = {-1.5f, 2.25f, 0.75f};
  w.Scale = {3.0f, -4.0f, 5.5f};
  m->TextureParams = w;
  const std::string text = Written(*m);
  EXPECT_NE(text.find("center -1.50,2.25,0.75scale 3.00,-4.00,5.50\r\n"), std::string::npos) << text;
  const ReadResult r = ReadPrTx(text);
  const auto& back = std::get<WoodParams>(r.material->TextureParams);
  EXPECT_EQ(back.Center, w.Center);
  EXPECT_EQ(back.Scale, w.Scale);
}

TEST(PrMaterialRead, SkipsTextureLinesAndWritesShadingSectionFirst) {
  const ReadResult r = ReadPrTx(std::string(kHeader) + std::string(kShading) +
                                "texture: wood.bmp\n"
                                "marble:\n"
                                "stonergba 1,1,1,1  veinrgba 0,0,0,1\n"
                                "sharpness 0.5  scale 1,1,1\n"
                                "turbulence 1  grain 2  seed 3\n"
                                "environment: sky.bmp\n"
                                "flags 1\n"
                                "bump: dents.bmp\n"
                                "offset 0,0 repeats 1,1 amp 0.5 flags 0\n"
                                "Unit V0.01 Id 5 Parent 1000006 Size 9\n");
  EXPECT_EQ(r.next_line, "Unit V0.01 Id 5 Parent 1000006 Size 9");
  EXPECT_EQ(r.material->TextureName, nullptr);
  EXPECT_EQ(r.material->TextureFlags, CMaterial::kNoMap);
  EXPECT_EQ(r.material->OwnsMapNames, 1);
  const std::string text = Written(*r.material);
  EXPECT_EQ(text.find("texture"), std::string::npos);
  const auto env = text.find("environment: sky.bmp\r\nflags 1\r\n");
  const auto marble = text.find("marble:\r\n");
  const auto bump = text.find("bump: dents.bmp\r\noffset 0.00,0.00 repeats 1.00,1.00 amp 0.50 flags 0\r\n");
  ASSERT_NE(env, std::string::npos) << text;
  ASSERT_NE(bump, std::string::npos) << text;
  EXPECT_LT(env, marble);
  EXPECT_LT(marble, bump);
}

TEST(PrMaterialRead, ALaterSectionReplacesAnEarlierOne) {
  const ReadResult r = ReadPrTx(std::string(kHeader) + std::string(kShading) +
                                "granite:\nrgba1 1,1,1,1  rgba2 1,1,1,1\nrgba3 1,1,1,1  rgba4 1,1,1,1\n"
                                "amount1 1  amount2 1  amount3 1  amount4 1\n"
                                "sharpness 1  scale 1,1,1  seed 5\n"
                                "wood:\nspringrgba 0.5,0.5,0.5,1  summerrgba 0,0,0,1\n"
                                "ldratio 1  rdensity 2  rwidthvar 3  rshapevar 4\n"
                                "center 1,2,3scale 4,5,6\ngrain 7  seed 8\n");
  ASSERT_EQ(r.material->TextureKind(), 2);
  const auto& w = std::get<WoodParams>(r.material->TextureParams);
  EXPECT_EQ(w.Center, CVector(1, 2, 3));
  EXPECT_EQ(w.Scale, CVector(4, 5, 6));
  EXPECT_EQ(w.Seed, 8);
}

TEST(PrMaterialRead, NoProceduralSectionWritesNoneAndCopiesSafely) {
  const ReadResult r = ReadPrTx(std::string(kHeader) + std::string(kShading));
  EXPECT_EQ(r.material->TextureKind(), -1);
  EXPECT_EQ(Written(*r.material), Crlf(std::string(kHeader) + std::string(kShading)));
  const std::unique_ptr<CMaterial> copy = r.material->MakeCopy();
  const auto* pr = dynamic_cast<const CPrMaterial*>(copy.get());
  ASSERT_NE(pr, nullptr);
  EXPECT_EQ(pr->TextureKind(), -1);
}

// A section cut short by the next chunk must leave that chunk's header for
// the caller instead of taking it as a parameter line.
TEST(PrMaterialRead, SectionCutShortKeepsTheNextHeaderAndTheValuesRead) {
  const ReadResult r = ReadPrTx(std::string(kHeader) + std::string(kShading) +
                                "granite:\nrgba1 0.5,0.5,0.5,1  rgba2 0,0,0,1\n"
                                "Mat1 V0.05 Id 7 Parent 1000006 Size 0\nmat# 2\n");
  EXPECT_EQ(r.next_line, "Mat1 V0.05 Id 7 Parent 1000006 Size 0");
  const auto& g = std::get<GraniteParams>(r.material->TextureParams);
  EXPECT_EQ(g.Colour1, CVector(0.5f, 0.5f, 0.5f));
  EXPECT_EQ(g.Scale, CVector());
}

TEST(PrMaterialRead, MalformedSectionLinesGiveZerosWithoutReadingOutOfRange) {
  const ReadResult r = ReadPrTx(std::string(kHeader) + std::string(kShading) +
                                "granite:\nrgba1\n,,,\nx\nsharpness\n"
                                "marble:\nstonergba 1,2\nsharp\n\n"
                                "wood:\nspring\n\ncenter 1\ng\n");
  const auto& w = std::get<WoodParams>(r.material->TextureParams);
  EXPECT_EQ(w.Center, CVector(1, 0, 0));
  EXPECT_EQ(w.Scale, CVector());
  EXPECT_EQ(w.Grain, 0);
  EXPECT_EQ(r.next_line, "");
}

TEST(PrMaterialCopy, CopyHasItsOwnRecordAndSharesTheBumpName) {
  const ReadResult r = ReadPrTx(std::string(kWoodChunk) +
                                "bump: dents.bmp\noffset 0,0 repeats 1,1 amp 0.5 flags 0\n");
  CPrMaterial copy;
  const std::int32_t own_id = copy.Id;
  copy.CopyFrom(*r.material);
  EXPECT_EQ(copy.Id, own_id);
  EXPECT_EQ(copy.OwnsMapNames, 0);
  EXPECT_EQ(copy.BumpName, r.material->BumpName);
  std::get<WoodParams>(copy.TextureParams).Seed = 99;
  EXPECT_EQ(std::get<WoodParams>(r.material->TextureParams).Seed, 17);

  copy.Id = r.material->Id;
  std::get<WoodParams>(copy.TextureParams).Seed = 17;
  EXPECT_EQ(Written(copy), Written(*r.material));
}


// A file cut off anywhere inside a material must read without touching memory
// outside the text (meaningful under the sanitizer build).
TEST(PrMaterialRead, EveryPrefixOfAChunkReadsSafely) {
  const std::string full = std::string(kWoodChunk) +
                           "granite:\nrgba1 1,1,1,1  rgba2 1,1,1,1\nrgba3 1,1,1,1  rgba4 1,1,1,1\n"
                           "amount1 1  amount2 1  amount3 1  amount4 1\n"
                           "sharpness 1  scale 1,1,1  seed 5\n"
                           "marble:\nstonergba 1,1,1,1  veinrgba 0,0,0,1\nsharpness 0.5  scale 1,1,1\n"
                           "turbulence 1  grain 2  seed 3\n"
                           "environment: sky.bmp\nflags 1\n"
                           "bump: dents.bmp\noffset 0,0 repeats 1,1 amp 0.5 flags 0\n";
  for (std::size_t n = 0; n <= full.size(); ++n) {
    const std::string cut = full.substr(0, n);  // its own allocation: overruns are caught
    LineReader in(cut);
    in.ReadLine();
    CPrMaterial prtx;
    EXPECT_TRUE(prtx.Read(in, in.Line()));
    LineReader in2(cut);
    in2.ReadLine();
    CMaterial mat1;
    EXPECT_TRUE(mat1.Read(in2, in2.Line()));
  }
}

}  // namespace
}  // namespace bk
