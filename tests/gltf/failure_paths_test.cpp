// Long operations end in a result, never in an escaped exception or a
// damaged file: a cancel at any stage of a glTF export, a thread the system
// will not start, and pieces that keep only their runs of faces.
#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "cob/cob_file.h"
#include "formats/mesh_import.h"
#include "gltf/gltf_export.h"
#include "gltf_reader_support.h"
#include "gltf_test_support.h"
#include "model/threads.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

namespace fs = std::filesystem;

// Counts the questions whether to stop and answers yes from question
// `stop_at` on (never when it is 0).
class StopAtQuestion final : public ProgressSink {
 public:
  explicit StopAtQuestion(int stop_at) : stopAt_(stop_at) {}
  void ShowProgress(int, int, std::string_view) override {}
  bool CancelRequested() const override { return ++asked_ >= stopAt_ && stopAt_ > 0; }
  int Asked() const { return asked_; }

 private:
  int stopAt_;
  mutable int asked_ = 0;
};

// The files in `dir`, to see that nothing was left behind.
std::vector<std::string> FilesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct Guard {
  ~Guard() { RefuseThreadStartsForTesting(false); }
};

TEST(FailurePaths, ACancelAtAnyStageOfAGltfExportLeavesTheOldFile) {
  auto group = testing::MakeGroup(3000);
  const std::vector<GltfGroup> groups = GltfGroupsOf(std::vector<const ExplodedGroup*>{group.get()});
  testing::TempDir dir;
  const fs::path target = dir.Write("out.glb", "the old file");
  // A run that never stops counts how often it is asked.
  StopAtQuestion counter(0);
  ASSERT_TRUE(WriteGltf(groups, (dir.path() / "whole.glb").string(), GltfOptions{}, counter).ok());
  ASSERT_GT(counter.Asked(), 4);
  // The first question is asked while the objects are made, the last while
  // the file is written.
  for (const int stop_at : {1, counter.Asked() / 2, counter.Asked()}) {
    SCOPED_TRACE(stop_at);
    StopAtQuestion stop(stop_at);
    const GltfResult result = WriteGltf(groups, target.string(), GltfOptions{}, stop);
    EXPECT_EQ(result.kind, FailureKind::kCancelled);
    EXPECT_EQ(testing::ReadFileBytes(target), "the old file");
    EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"out.glb", "whole.glb"}));
  }
}

TEST(FailurePaths, AThreadThatCannotStartFailsTheOperationAndKeepsTheOldFile) {
  Guard guard;
  testing::TempDir dir;
  auto group = testing::MakeGroup(3000);
  const ExplodedGroup* written[] = {group.get()};
  const fs::path cob = dir.Write("out.cob", "the old file");
  const fs::path glb = dir.Write("out.glb", "the old file");
  // A big object, whose lists are read on two threads.
  const fs::path big = dir.Write("big.cob", testing::StripObjectText(40000));
  RefuseThreadStartsForTesting(true);
  NoProgress quiet;
  const ExportResult cob_result = ExportGroups(cob.string(), written, quiet);
  EXPECT_EQ(cob_result.error, messages::kCouldNotWrite);
  const GltfResult glb_result = WriteGltf(GltfGroupsOf(written), glb.string(), GltfOptions{});
  EXPECT_FALSE(glb_result.ok());
  const MeshImportResult imported = ImportAnyObject(big.string(), MeshImportSettings{});
  EXPECT_EQ(imported.error, messages::kOutOfMemory);
  RefuseThreadStartsForTesting(false);
  EXPECT_EQ(testing::ReadFileBytes(cob), "the old file");
  EXPECT_EQ(testing::ReadFileBytes(glb), "the old file");
  EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"big.cob", "out.cob", "out.glb"}));
  EXPECT_TRUE(ImportAnyObject(big.string(), MeshImportSettings{}).object);
}

TEST(FailurePaths, PiecesCutFromRunsOfFacesReachTheGltf) {
  const testing::Explosion e = testing::Explode(testing::SourceDir() / "examples/crate.cob", {}, ExplosionOptions{});
  ASSERT_TRUE(e.pieces);
  ASSERT_NE(e.pieces->Objects.front().Run.Source, nullptr) << "pieces are expected to keep only their runs";
  const ExplodedGroup* groups[] = {e.pieces.get()};
  std::string bytes;
  ASSERT_TRUE(BuildGltf(GltfGroupsOf(groups), GltfOptions{}, true, bytes).ok());
  const tinygltf::Model m = testing::Load(bytes, true);
  EXPECT_EQ(m.meshes.size(), e.pieces->Objects.size());
}

}  // namespace
}  // namespace bk
