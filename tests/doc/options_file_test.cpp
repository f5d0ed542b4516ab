#include "doc/options_file.h"

#include <gtest/gtest.h>

#include <random>

#include "doc/option_fields.h"
#include "doc/options_sheet.h"

namespace bk {
namespace {

ExplosionOptions SheetOptions(std::span<const OptionSetting> sets, std::int32_t faces = 240) {
  ExplosionOptions options;
  options.ObjectFaces = faces;
  EXPECT_EQ(ApplySheetAsCommandLine(options, sets), std::nullopt);
  return options;
}

TEST(OptionsFile, SaveLoadSaveGivesTheSameBytesAndTheSameRecord) {
  const OptionSetting sets[] = {{"MinPieces", "12"},       {"ExplosionDistance", "4.7"}, {"PathType", "decelerate"},
                                {"Gravity", "1"},          {"GroundZ", "-2.3"},          {"Stagger", "1"},
                                {"ScaleEnd", "0.0001"},    {"Particles", "1"},           {"ParticleOrigin", "0"}};
  const ExplosionOptions first = SheetOptions(sets);
  const FaceOrderChoice* order[] = {FindFaceOrder("top-to-bottom", false), FindFaceOrder("medium", true)};
  const std::string saved = OptionsFileText(first, 4000000000u, order, "a \"quoted\" look");

  const OptionsFileResult read = ReadOptionsText(saved, "saved.json");
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.file.Seed, 4000000000u);
  EXPECT_EQ(read.file.Description, "a \"quoted\" look");
  ASSERT_EQ(read.file.FaceOrder.size(), 2u);
  EXPECT_EQ(read.file.FaceOrder[1], order[1]);

  const ExplosionOptions second = SheetOptions(read.file.Settings);
  EXPECT_EQ(OptionsFileText(second, read.file.Seed, read.file.FaceOrder, read.file.Description), saved);
  for (const OptionField& field : OptionFields()) {
    ExplosionOptions a = first;
    ExplosionOptions b = second;
    if (field.kind == FieldKind::Real) {
      EXPECT_EQ(*field.real(a), *field.real(b)) << field.name;
    } else {
      EXPECT_EQ(*field.integer(a), *field.integer(b)) << field.name;
    }
    // Every field of the table is in the file, so fields added later come along.
    EXPECT_NE(saved.find("\"" + std::string(field.name) + "\": "), std::string::npos) << field.name;
  }
}

TEST(OptionsFile, EveryRealInRangeReadsBackAsTheSameFloat) {
  std::mt19937 generator(26);
  for (const OptionField& field : OptionFields()) {
    if (field.kind != FieldKind::Real) continue;
    std::uniform_real_distribution<float> within(static_cast<float>(field.minimum), static_cast<float>(field.maximum));
    for (int i = 0; i < 200; ++i) {
      ExplosionOptions options;
      const float value = i == 0 ? static_cast<float>(field.minimum) : within(generator);
      *field.real(options) = value;
      const OptionsFileResult read = ReadOptionsText(OptionsFileText(options, std::nullopt, {}), "f");
      ASSERT_TRUE(read.ok()) << read.error;
      ExplosionOptions back;
      for (const OptionSetting& setting : read.file.Settings) {
        if (setting.name == field.name) {
          ASSERT_EQ(SetOptionFromText(back, field, setting.value), std::nullopt);
        }
      }
      ASSERT_EQ(*field.real(back), value) << field.name;
    }
  }
}

TEST(OptionsFile, FramesNotYetSetAreLeftOutSoTheFileReadsBack) {
  const ExplosionOptions untouched;  // ScaleEndFrame and ParticleScaleEndFrame are -1
  const std::string text = OptionsFileText(untouched, std::nullopt, {});
  EXPECT_EQ(text.find("\"ScaleEndFrame\""), std::string::npos);
  EXPECT_TRUE(ReadOptionsText(text, "f").ok());
}

TEST(OptionsFile, TakesLabelsIndicesAndBooleansAsTheSheetDoes) {
  const OptionsFileResult read = ReadOptionsText(
      R"({"options": {"PathType": "ACCELERATE", "Direction": 1, "Gravity": true, "ScaleStart": 2}})", "f");
  ASSERT_TRUE(read.ok()) << read.error;
  const std::vector<OptionSetting> expected = {
      {"Direction", "1"}, {"PathType", "1"}, {"ScaleStart", "2.0"}, {"Gravity", "1"}};
  ASSERT_EQ(read.file.Settings.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(read.file.Settings[i].name, expected[i].name);
    EXPECT_EQ(read.file.Settings[i].value, expected[i].value);
  }
}

TEST(OptionsFile, RefusesBadFilesNamingTheLineAndTheField) {
  const std::pair<const char*, const char*> cases[] = {
      {"not json", "f.json:1: not valid JSON"},
      {"{\n\"options\": {\n\"MinPieces\": 3,\n}}", "f.json:4: not valid JSON"},
      {"[1, 2]", "f.json:1: an options file is a JSON object"},
      {"{\n \"options\": {\n  \"MinPieces\": 0}}", "f.json:3: MinPieces: Please enter an integer between 1 and 32000."},
      {"{\"options\": {\"MinPieces\": 2.5}}", "f.json:1: MinPieces: Please enter an integer."},
      {"{\"options\": {\"MinPieces\": \"12\"}}", "MinPieces: expected a whole number, not a string"},
      {"{\"options\": {\"ReboundScale\": 12}}", "ReboundScale: Please enter a number between 0.0001 and 5.0"},
      {"{\"options\": {\"GroundZ\": null}}", "GroundZ: expected a number, not null"},
      {"{\"options\": {\"Gravity\": 2}}", "Gravity: Please enter an integer between 0 and 1."},
      {"{\"options\": {\"PathType\": \"wobbly\"}}", "PathType: Please choose 0 \"Linear\""},
      {"{\n\"options\": {\n\n\"MinPiecs\": 3}}", "f.json:4: MinPiecs: unknown option name"},
      {"{\"colour\": 3}", "colour: unknown name"},
      {"{\"seed\": -1}", "seed: expected a whole number from 0 to 4294967295"},
      {"{\"seed\": 4294967296}", "seed: expected a whole number"},
      {"{\"seed\": 1,\n\"seed\": 2}", "f.json:2: seed: given twice"},
      {"{\"options\": {\"Gravity\": 1,\n \"Gravity\": 0}}", "f.json:2: Gravity: given twice"},
      {"{\"faceOrder\": [{\"sort\": \"sideways\"}]}", "faceOrder: expected a list"},
      {"{\"faceOrder\": {\"sort\": \"top-to-bottom\"}}", "faceOrder: expected a list"},
      {"{\"format\": \"something else\"}", "format: expected \"burstkin-options\""},
      {"{\"version\": 2}", "version: this program reads version 1"},
  };
  for (const auto& [text, message] : cases) {
    const OptionsFileResult read = ReadOptionsText(text, "f.json");
    ASSERT_FALSE(read.ok()) << text;
    EXPECT_NE(read.error.find(message), std::string::npos) << text << "\n  gave: " << read.error;
    EXPECT_TRUE(read.file.Settings.empty()) << text;
  }
}

}  // namespace
}  // namespace bk
