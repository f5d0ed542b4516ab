#include "cob/cob_file.h"

#include <filesystem>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cob/cob_writer.h"
#include "cob/group.h"
#include "cob/unit.h"
#include "model/progress.h"
#include "support/recording_progress.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

const std::string kObject =
    "PolH V0.02 Id 12 Parent 7 Size 1\n"
    "Name First\n"
    "center 0 0 0\nx axis 1 0 0\ny axis 0 1 0\nz axis 0 0 1\nTransform\n"
    "1 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n"
    "World Vertices 3\n0 0 0\n1 0 0\n0 1 0\n"
    "Texture Vertices 1\n0 0\n"
    "Faces 1\nFace verts 3 flags 0 mat 0\n<0,0> <1,0> <2,0> \n";

TEST(CobFile, RecognisesTheIdentificationLine) {
  EXPECT_TRUE(IsCaligariAscii("Caligari V00.01ALH             "));
  EXPECT_TRUE(IsCaligariAscii("Caligari V00.01A"));
  EXPECT_FALSE(IsCaligariAscii("Caligari V00.01B"));
  EXPECT_FALSE(IsCaligariAscii("Caligari V00.01"));
  EXPECT_FALSE(IsCaligariAscii(""));
}

TEST(CobFile, RecognisesKnownTypesAndTheGeneralHeaderForm) {
  EXPECT_TRUE(IsChunkHeader("PolH V0.02 Id 1 Parent 0 Size -1"));
  EXPECT_TRUE(IsChunkHeader("Latt"));  // a known type by its four characters
  EXPECT_TRUE(IsChunkHeader("END  V1.00 Id 0 Parent 0 Size        0"));
  EXPECT_TRUE(IsChunkHeader("ObRQ V0.01 Id 212416065 Parent 212416060 Size 00000121"));
  EXPECT_TRUE(IsChunkHeader("ShBx V0.04 Id 5 Parent 4 Size 00000717  "));
  EXPECT_FALSE(IsChunkHeader("DrawFlags 0"));
  EXPECT_FALSE(IsChunkHeader("Object Radiosity Quality: 0"));
  EXPECT_FALSE(IsChunkHeader("ObRQ V0.01 Id x Parent 0 Size 1"));
  EXPECT_FALSE(IsChunkHeader("ObRQ V0.01 Id 1 Parent 0"));
  EXPECT_FALSE(IsChunkHeader("ObRQ V1 Id 1 Parent 0 Size 1"));
  EXPECT_FALSE(IsChunkHeader(""));
}

TEST(CobFile, ImportRefusesWithTheRightMessage) {
  EXPECT_EQ(ImportObjectFromText("").error, messages::kAsciiOnly);
  EXPECT_EQ(ImportObjectFromText("Caligari V00.01CLH\n" + kObject).error, messages::kAsciiOnly);
  // A binary header before ASCII text is a binary file whose chunks are broken.
  EXPECT_EQ(ImportObjectFromText("Caligari V00.01BLH             \n" + kObject).error,
            messages::kNotRecognized);
  EXPECT_EQ(ImportObjectFromText("Caligari V00.01ALH\nGrou V0.01 Id 1 Parent 0 Size 1\n").error,
            messages::kNotRecognized);
  EXPECT_EQ(ImportObject("/nonexistent/dir/file.cob").error, messages::kCouldNotOpen);
  // A directory is no file to read (regression: its stream size read as huge).
  EXPECT_EQ(ImportObject(std::filesystem::temp_directory_path().string()).error,
            messages::kCouldNotOpen);
}

TEST(CobFile, ImportTakesTheFirstObjectAfterSkippedChunks) {
  std::string second = kObject;
  second.replace(second.find("First"), 5, "Second");
  const std::string text = "Caligari V00.01ALH\nGrou V0.01 Id 1 Parent 0 Size 1\nName g\n" + kObject +
                           second + "END  V1.00 Id 0 Parent 0 Size        0";
  ImportResult result = ImportObjectFromText(text);
  ASSERT_NE(result.object, nullptr) << result.error;
  EXPECT_EQ(result.object->Name, "First");
  EXPECT_TRUE(result.error.empty());
}

TEST(CobFile, ImportReadsAFileFromDisk) {
  const testing::TempDir dir;
  ImportResult result = ImportObject(dir.Write("in.cob", "Caligari V00.01ALH\r\n" + kObject).string());
  ASSERT_NE(result.object, nullptr) << result.error;
  EXPECT_EQ(result.object->Vertices.size(), 3u);
}

std::unique_ptr<CGroup> GroupOfUnits(int id, int children) {
  auto group = std::make_unique<CGroup>();
  group->Id = id;
  group->Name = "G";
  for (int i = 0; i < children; ++i) {
    auto unit = std::make_unique<CUnit>();
    unit->Id = id + 1 + i;
    unit->ParentId = id;
    group->Children.push_back(std::move(unit));
  }
  return group;
}

std::string GroupText(const CGroup& group, bool with_children) {
  std::ostringstream os;
  {
    CobWriter out(os);
    group.WriteGroup(out, with_children);
  }
  return os.str();
}

// The text WriteObjects gives for `objects`, with its result in `result`.
std::string Exported(std::span<const CCobBase* const> objects, ProgressSink& progress,
                     ExportResult& result) {
  std::ostringstream os;
  {
    CobWriter out(os);
    result = WriteObjects(out, objects, progress);
  }
  return os.str();
}

TEST(CobFileExport, WritesIdentificationGroupsChildrenAndEndLine) {
  auto first = GroupOfUnits(100, 2);
  auto second = GroupOfUnits(200, 1);
  const CCobBase* objects[] = {first.get(), second.get()};
  testing::RecordingProgress progress;
  ExportResult result;
  const std::string text = Exported(objects, progress, result);
  EXPECT_TRUE(result.ok);
  EXPECT_FALSE(result.cancelled);
  const std::string expected = "Caligari V00.01ALH             \r\n" + GroupText(*first, true) +
                               GroupText(*second, true) +
                               "END  V1.00 Id 0 Parent 0 Size        0";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(progress.Counts(), (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST(CobFileExport, CancelSkipsRemainingChildrenButKeepsGroupsAndEnd) {
  auto first = GroupOfUnits(100, 2);
  auto second = GroupOfUnits(200, 2);
  const CCobBase* objects[] = {first.get(), second.get()};
  testing::RecordingProgress progress(1);
  ExportResult result;
  const std::string text = Exported(objects, progress, result);
  EXPECT_TRUE(result.ok);
  EXPECT_TRUE(result.cancelled);
  const std::string firstOwn = GroupText(*first, false);
  const std::string unitText = "Unit V0.01 Id 101 Parent 100 Size -1\r\nUnits 0\r\n";
  const std::string expected = "Caligari V00.01ALH             \r\n" + firstOwn + unitText +
                               GroupText(*second, false) + "END  V1.00 Id 0 Parent 0 Size        0";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(progress.calls.size(), 1u);
}

TEST(CobFileExport, EmptyGroupWritesItsChunkBetweenIdentificationAndEnd) {
  auto group = GroupOfUnits(100, 0);
  const CCobBase* objects[] = {group.get()};
  const testing::TempDir dir;
  const auto path = dir.path() / "empty.cob";
  NoProgress progress;
  ExportResult result = ExportObjects(path.string(), objects, progress);
  ASSERT_TRUE(result.ok) << result.error;
  const std::string text = testing::ReadFileBytes(path);
  EXPECT_EQ(text, "Caligari V00.01ALH             \r\n" + GroupText(*group, false) +
                      "END  V1.00 Id 0 Parent 0 Size        0");
}

TEST(CobFileExport, ReportsOpenAndWriteFailures) {
  auto group = GroupOfUnits(100, 1);
  const CCobBase* objects[] = {group.get()};
  NoProgress progress;
  ExportResult missing = ExportObjects("/nonexistent/dir/out.cob", objects, progress);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error, messages::kCouldNotOpenOutput);

  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "/dev/full is not available";
  ExportResult full = ExportObjects("/dev/full", objects, progress);
  EXPECT_FALSE(full.ok);
  EXPECT_EQ(full.error, messages::kCouldNotWrite);
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));  // a device is never removed
}

}  // namespace
}  // namespace bk
