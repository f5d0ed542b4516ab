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

// A group of `objects` empty meshes, each with a channel without keys (which
// writes nothing), ids counting up from `id`.
std::unique_ptr<ExplodedGroup> GroupOfMeshes(int id, int objects) {
  auto group = std::make_unique<ExplodedGroup>();
  group->Group = std::make_unique<CGroup>();
  group->Group->Id = id;
  group->Group->Name = "G";
  for (int i = 0; i < objects; ++i) {
    auto mesh = std::make_unique<CPolyChunk>();
    mesh->Id = id + 1 + i;
    mesh->ParentId = id;
    auto channel = std::make_unique<CAnimChunkEx>();
    channel->ParentId = mesh->Id;
    group->Objects.push_back({std::move(mesh), std::move(channel), {}});
  }
  return group;
}

// The file of the groups' own chunks and, of group g, its first written[g]
// meshes (their channels write nothing), through one writer as the export
// has it.
std::string ExpectedFile(std::span<const ExplodedGroup* const> groups, std::vector<std::size_t> written) {
  std::ostringstream os;
  {
    CobWriter out(os);
    out << kOutputSignature;
    out.EndLine();
    for (std::size_t g = 0; g < groups.size(); ++g) {
      groups[g]->Group->WriteGroup(out, false);
      for (std::size_t i = 0; i < written[g]; ++i) groups[g]->Objects[i].Mesh->Write(out);
    }
    out << kEndLine;
  }
  return os.str();
}

// The text WriteGroups gives for `groups`, with its result in `result`.
std::string Exported(std::span<const ExplodedGroup* const> groups, ProgressSink& progress,
                     ExportResult& result) {
  std::ostringstream os;
  {
    CobWriter out(os);
    result = WriteGroups(out, groups, progress);
  }
  return os.str();
}

TEST(CobFileExport, WritesIdentificationGroupsChildrenAndEndLine) {
  auto first = GroupOfMeshes(100, 2);
  auto second = GroupOfMeshes(200, 1);
  const ExplodedGroup* groups[] = {first.get(), second.get()};
  testing::RecordingProgress progress;
  ExportResult result;
  const std::string text = Exported(groups, progress, result);
  EXPECT_TRUE(result.ok());
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(text, ExpectedFile(groups, {2, 1}));
  // A mesh and its channel are a step each.
  EXPECT_EQ(progress.Counts(),
            (std::vector<std::pair<int, int>>{{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));
}

TEST(CobFileExport, CancelSkipsRemainingChildrenButKeepsGroupsAndEnd) {
  auto first = GroupOfMeshes(100, 2);
  auto second = GroupOfMeshes(200, 2);
  const ExplodedGroup* groups[] = {first.get(), second.get()};
  testing::RecordingProgress progress(1);
  ExportResult result;
  const std::string text = Exported(groups, progress, result);
  EXPECT_TRUE(result.ok());
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(text, ExpectedFile(groups, {1, 0}));
  EXPECT_EQ(progress.calls.size(), 1u);
}

TEST(CobFileExport, EmptyGroupWritesItsChunkBetweenIdentificationAndEnd) {
  auto group = GroupOfMeshes(100, 0);
  const ExplodedGroup* groups[] = {group.get()};
  const testing::TempDir dir;
  const auto path = dir.path() / "empty.cob";
  NoProgress progress;
  ExportResult result = ExportGroups(path.string(), groups, progress);
  ASSERT_TRUE(result.ok()) << result.error;
  const std::string text = testing::ReadFileBytes(path);
  EXPECT_EQ(text, ExpectedFile(groups, {0}));
}

TEST(CobFileExport, ReportsOpenAndWriteFailures) {
  auto group = GroupOfMeshes(100, 1);
  const ExplodedGroup* groups[] = {group.get()};
  NoProgress progress;
  ExportResult missing = ExportGroups("/nonexistent/dir/out.cob", groups, progress);
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(missing.error, messages::kCouldNotOpenOutput);

  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "/dev/full is not available";
  ExportResult full = ExportGroups("/dev/full", groups, progress);
  EXPECT_FALSE(full.ok());
  EXPECT_EQ(full.error, messages::kCouldNotWrite);
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));  // a device is never removed
}

}  // namespace
}  // namespace bk
