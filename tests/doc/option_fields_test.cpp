#include "doc/option_fields.h"

#include <gtest/gtest.h>

#include "doc/options_sheet.h"

namespace bk {
namespace {

TEST(FormatReal, ShowsTheShortDecimalWithAtMostFourDecimals) {
  const std::pair<float, const char*> cases[] = {
      {2.5f, "2.5"},   {0.1f, "0.1"},   {0.0001f, "0.0001"}, {10000.0f, "10000.0"},
      {3.25f, "3.25"}, {-5.0f, "-5.0"}, {-2.5f, "-2.5"},     {0.7f, "0.7"},  // 0.69999998 as a float
      {0.0f, "0.0"},   {-0.0f, "0.0"},  {1.0f, "1.0"},       {0.05f, "0.05"},
      {0.99995f, "0.9999"},  // never rounded up to a whole number
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatReal(value), text) << value;
  EXPECT_EQ(FormatReal(3.4e38f).substr(0, 4), "3399");
}

TEST(TakeReal, ReadsTheLeadingNumberAndRefusesTextWithoutOne) {
  float field = 7.0f;
  EXPECT_EQ(TakeReal("abc", 0.1f, 10000.0f, field),
            "Please enter a number between 0.1 and 10000.0");
  EXPECT_EQ(field, 7.0f);
  EXPECT_EQ(TakeReal("2.5abc", 0.1f, 10000.0f, field), std::nullopt);
  EXPECT_EQ(field, 2.5f);
  EXPECT_EQ(TakeReal("  -3", -10000.0f, -1.0f, field), std::nullopt);
  EXPECT_EQ(field, -3.0f);
  EXPECT_TRUE(TakeReal("nan", -10000.0f, 5.0f, field).has_value());
  EXPECT_EQ(field, -3.0f);
}

TEST(TakeReal, AcceptsBoundsTypedAsTheMessageShowsThem) {
  float field = 1.0f;
  EXPECT_EQ(TakeReal("0.1", 0.1f, 10000.0f, field), std::nullopt);
  EXPECT_EQ(TakeReal("10000.0", 0.1f, 10000.0f, field), std::nullopt);
  EXPECT_EQ(TakeReal("0.0001", 0.0001f, 5.0f, field), std::nullopt);
  EXPECT_EQ(field, 0.0001f);
  EXPECT_EQ(TakeReal("-1.0", -10000.0f, -1.0f, field), std::nullopt);
  EXPECT_TRUE(TakeReal("12", 0.0001f, 5.0f, field).has_value());
  EXPECT_EQ(*TakeReal("12", 0.0001f, 5.0f, field), "Please enter a number between 0.0001 and 5.0");
  EXPECT_TRUE(TakeReal("10000.01", 0.1f, 10000.0f, field).has_value());
}

TEST(TakeReal, OnlyLooksAtTheFirstNineteenCharacters) {
  float field = 0.0f;
  // The 20th character would make it 12; atof sees "0.000000000000000001".
  EXPECT_TRUE(TakeReal("0.0000000000000000012", 0.0001f, 5.0f, field).has_value());
  EXPECT_EQ(TakeReal("0000000000000000001234", 0.0001f, 5.0f, field), std::nullopt);
  EXPECT_EQ(field, 1.0f);
}

TEST(TakeInteger, AcceptsOnlyAWholeNumberWithBlanksAround) {
  std::int32_t field = 5;
  EXPECT_EQ(TakeInteger(" \t-12 ", -100, 100, field), std::nullopt);
  EXPECT_EQ(field, -12);
  EXPECT_EQ(TakeInteger("+7", 0, 100, field), std::nullopt);
  EXPECT_EQ(field, 7);
  for (const char* bad : {"", "  ", "-", "1.5", "12a", "1 2", "abc"}) {
    EXPECT_EQ(TakeInteger(bad, 0, 100, field), std::string(kNotAnInteger)) << bad;
  }
  EXPECT_EQ(field, 7);
}

TEST(TakeInteger, ZeroMustBeginWithTheDigitZero) {
  std::int32_t field = 7;
  for (const char* bad : {"+0", "-0", " -00 ", "+000"}) {
    EXPECT_EQ(TakeInteger(bad, -100, 100, field), std::string(kNotAnInteger)) << bad;
  }
  EXPECT_EQ(field, 7);
  EXPECT_EQ(TakeInteger(" 00\t", -100, 100, field), std::nullopt);
  EXPECT_EQ(field, 0);
  EXPECT_EQ(TakeInteger("-05", -100, 100, field), std::nullopt);
  EXPECT_EQ(field, -5);
}

TEST(TakeInteger, KeepsAnOutOfRangeValueAndNamesTheBounds) {
  std::int32_t field = 5;
  EXPECT_EQ(TakeInteger("0", 1, 32767, field), "Please enter an integer between 1 and 32767.");
  EXPECT_EQ(field, 0);
  EXPECT_EQ(TakeInteger("99999999999999", 1, 32000, field),
            "Please enter an integer between 1 and 32000.");
}

TEST(SetOptionFromText, TakesChoicesByIndexOrLabelIgnoringCase) {
  ExplosionOptions o;
  EXPECT_EQ(SetOptionFromText(o, *FindOptionField("Direction"), "reverse"), std::nullopt);
  EXPECT_EQ(o.Direction, 1);
  EXPECT_EQ(SetOptionFromText(o, *FindOptionField("PathType"), "ACCELERATE"), std::nullopt);
  EXPECT_EQ(o.PathType, 1);
  EXPECT_EQ(SetOptionFromText(o, *FindOptionField("OutputMode"), "particles only"), std::nullopt);
  EXPECT_EQ(o.OutputMode, 2);
  EXPECT_EQ(SetOptionFromText(o, *FindOptionField("OutputMode"), "0"), std::nullopt);
  EXPECT_EQ(o.OutputMode, 0);
  EXPECT_TRUE(SetOptionFromText(o, *FindOptionField("OutputMode"), "3").has_value());
  EXPECT_TRUE(SetOptionFromText(o, *FindOptionField("ParticleOrigin"), "middle").has_value());
  EXPECT_EQ(o.OutputMode, 0);
  // The start of one label will do; the start of two will not.
  EXPECT_EQ(SetOptionFromText(o, *FindOptionField("PieceShape"), "solid"), std::nullopt);
  EXPECT_EQ(o.PieceShape, 1);
  EXPECT_TRUE(SetOptionFromText(o, *FindOptionField("OutputMode"), "imported").has_value());
  EXPECT_EQ(SetOptionFromText(o, *FindOptionField("Cells"), "100001"),
            "Please enter an integer between 1 and 100000.");
}

TEST(OptionFields, NamesEverySettableFieldButNotTheDerivedOnes) {
  EXPECT_EQ(OptionFields().size(), 55u);
  for (const char* derived : {"ObjectFaces", "ChunkCount", "FrameTotal", "BounceFrameFactor"}) {
    EXPECT_EQ(FindOptionField(derived), nullptr) << derived;
  }
}

ExplosionOptions OpenedWith(std::int32_t faces) {
  ExplosionOptions o;
  o.ObjectFaces = faces;
  return o;
}

// The rule's own cases are in the engine's tests; this checks the page runs
// it after the clamp and brings the chunks and frames in line.
TEST(SheetRules, FirstDisplayAppliesTheFifthOfFacesRuleAfterTheClamp) {
  ExplosionOptions o = OpenedWith(20);
  GeneralFirstDisplay(o);
  EXPECT_EQ(o.MinPieces, 4);
  EXPECT_EQ(o.ChunkCount, 5);

  o = OpenedWith(100);
  GeneralFirstDisplay(o);
  EXPECT_EQ(o.MinPieces, 20);
  EXPECT_EQ(o.ChunkCount, 26);
  EXPECT_EQ(o.FrameTotal, 30);
}

TEST(SheetRules, ParticlesCheckBoxSwitchesTheOutputMode) {
  ExplosionOptions o;
  o.Particles = 1;
  EXPECT_TRUE(ParticlesToggled(o, false));
  EXPECT_EQ(o.OutputMode, 1);
  o.OutputMode = 2;
  EXPECT_TRUE(ParticlesToggled(o, false));
  EXPECT_EQ(o.OutputMode, 2);
  o.Particles = 0;
  EXPECT_FALSE(ParticlesToggled(o, true));
  EXPECT_EQ(o.OutputMode, 0);
}

TEST(SheetAsCommandLine, FillsUnsetFramesAndFollowsTheParticlesFlag) {
  ExplosionOptions o = OpenedWith(100);
  const OptionSetting sets[] = {{"FrameCount", "40"}, {"Particles", "1"}};
  EXPECT_EQ(ApplySheetAsCommandLine(o, sets), std::nullopt);
  EXPECT_EQ(o.FrameTotal, 40);
  EXPECT_EQ(o.ScaleEndFrame, 40);
  EXPECT_EQ(o.ParticleScaleEndFrame, 40);
  EXPECT_EQ(o.OutputMode, 1);

  o = OpenedWith(100);
  const OptionSetting explicit_mode[] = {{"Particles", "1"}, {"OutputMode", "0"}};
  EXPECT_EQ(ApplySheetAsCommandLine(o, explicit_mode), std::nullopt);
  EXPECT_EQ(o.OutputMode, 0);

  o = OpenedWith(100);
  const OptionSetting no_particles[] = {{"OutputMode", "particles only"}};
  EXPECT_EQ(ApplySheetAsCommandLine(o, no_particles), std::nullopt);
  EXPECT_EQ(o.OutputMode, 0);
}

TEST(SheetAsCommandLine, StopsAtTheFirstRefusedValueWithItsPageMessage) {
  ExplosionOptions o = OpenedWith(100);
  const OptionSetting sets[] = {{"ReboundScale", "12"}, {"FrameCount", "abc"}};
  EXPECT_EQ(ApplySheetAsCommandLine(o, sets), "Please enter a number between 0.0001 and 5.0");
  const OptionSetting unknown[] = {{"ChunkCount", "3"}};
  EXPECT_TRUE(ApplySheetAsCommandLine(o, unknown).has_value());
  const OptionSetting zero_stagger[] = {{"StaggerPieces", "0"}};
  EXPECT_EQ(ApplySheetAsCommandLine(o, zero_stagger),
            "Please enter an integer between 1 and 32767.");
}

TEST(SheetAsCommandLine, SetValuesAreClampedByThePagesThatFollow) {
  ExplosionOptions o = OpenedWith(10);
  const OptionSetting sets[] = {{"MinPieces", "50"}, {"ScaleStartFrame", "500"},
                                {"ScaleEndFrame", "400"}};
  EXPECT_EQ(ApplySheetAsCommandLine(o, sets), std::nullopt);
  EXPECT_EQ(o.MinPieces, 10);
  EXPECT_EQ(o.ScaleEndFrame, 30);
  EXPECT_EQ(o.ScaleStartFrame, 400);  // one pass of the limit, as the page does
}

}  // namespace
}  // namespace bk
