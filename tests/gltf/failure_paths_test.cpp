// Long operations end in a result, never in an escaped exception or a
// damaged file: a cancel at any stage of a glTF export, a thread the system
// will not start (the work is then done on the calling thread), and pieces
// that keep only their runs of faces.
#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "cob/cob_file.h"
#include "formats/mesh_import.h"
#include "gltf/gltf_export.h"
#include "gltf_reader_support.h"
#include "gltf_test_support.h"
#include "model/chunk_id.h"
#include "model/threads.h"
#include "support/sample_objects.h"
#include "support/test_data.h"

namespace bk {
namespace {

namespace fs = std::filesystem;

// Asks to stop at the first question once the bar has reached `fraction` of
// its length, and `last_steps` reports of its last step have come (the bar
// reaches its last step when the objects are made, and stays there while
// the file is written).
class StopWhenReached final : public ProgressSink {
 public:
  StopWhenReached(double fraction, int last_steps) : fraction_(fraction), lastSteps_(last_steps) {}
  void ShowProgress(int done, int total, std::string_view) override {
    if (done + 1 == total) ++lastStepsSeen_;
    if (done >= fraction_ * total && lastStepsSeen_ >= lastSteps_) reached_ = true;
  }
  bool CancelRequested() const override { return reached_ || (fraction_ == 0.0 && lastSteps_ == 0); }

 private:
  double fraction_;
  int lastSteps_;
  int lastStepsSeen_ = 0;
  bool reached_ = false;
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
  // At once, halfway through making the objects, and while the file is
  // written (the bar's last step).
  for (const auto& [fraction, last_steps] : {std::pair{0.0, 0}, std::pair{0.5, 0}, std::pair{0.0, 2}}) {
    SCOPED_TRACE(fraction);
    StopWhenReached stop(fraction, last_steps);
    const GltfResult result = WriteGltf(groups, target.string(), GltfOptions{}, stop);
    EXPECT_EQ(result.kind, FailureKind::kCancelled);
    EXPECT_EQ(testing::ReadFileBytes(target), "the old file");
    EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"out.glb"}));
  }
}

// The bytes of each long operation's result: the .cob and .glb of an
// explosion, and the lists of a big object read back.
struct Results {
  std::string cob, glb;
  std::size_t vertices = 0, faces = 0;
  bool operator==(const Results&) const = default;
};

Results RunLongOperations(const fs::path& dir, const ExplodedGroup* group, const fs::path& big) {
  const ExplodedGroup* written[] = {group};
  NoProgress quiet;
  Results results;
  ChunkIdCounter::Reset();  // each run numbers its chunks alike
  EXPECT_TRUE(ExportGroups((dir / "out.cob").string(), written, quiet).ok());
  EXPECT_TRUE(WriteGltf(GltfGroupsOf(written), (dir / "out.glb").string(), GltfOptions{}).ok());
  results.cob = testing::ReadFileBytes(dir / "out.cob");
  results.glb = testing::ReadFileBytes(dir / "out.glb");
  const MeshImportResult imported = ImportAnyObject(big.string(), MeshImportSettings{});
  EXPECT_TRUE(imported.object);
  if (imported.object) {
    results.vertices = imported.object->Vertices.size();
    results.faces = imported.object->Faces.size();
  }
  return results;
}

TEST(FailurePaths, WithoutHelperThreadsTheWorkIsDoneHereToTheSameBytes) {
  Guard guard;
  testing::TempDir dir;
  auto group = testing::MakeGroup(3000);
  // A big object, whose lists are read in two halves.
  const fs::path big = dir.Write("big.cob", testing::StripObjectText(40000));
  const Results usual = RunLongOperations(dir.path(), group.get(), big);
  RefuseThreadStartsForTesting(true);
  const Results alone = RunLongOperations(dir.path(), group.get(), big);
  RefuseThreadStartsForTesting(false);
  EXPECT_GT(usual.faces, 0u);
  EXPECT_EQ(alone.cob, usual.cob);
  EXPECT_TRUE(alone == usual);
  EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"big.cob", "out.cob", "out.glb"}));
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
