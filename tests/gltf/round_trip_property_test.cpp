// Every file an export writes must open again: random objects with every
// material kind, random options, sorts and shuffles are exported by the
// document, read back by the reader the converter and the viewer use, written
// again to the same text, and converted to glTF that the validator accepts.
#include <cstdlib>

#include <gtest/gtest.h>

#include "cob/exploded_file.h"
#include "gltf/gltf_export.h"
#include "gltf_test_support.h"
#include "support/random_export.h"

namespace bk {
namespace {

using testing::RandomExport;

int EnvironmentNumber(const char* name, int fallback) {
  const char* text = std::getenv(name);
  const int value = text != nullptr ? std::atoi(text) : 0;
  return value > 0 ? value : fallback;
}

// What the file must hold, whatever the options: every face of the object in
// one piece or another, a particle for every vertex when particles were made.
void ExpectTheWholeObject(const RandomExport& run, const ExplodedFile& file) {
  std::int32_t piece_faces = 0;
  std::size_t particles = 0;
  for (const ExplodedGroup& group : file.Groups) {
    for (const ExplodedObject& object : group.Objects) {
      if (group.Group->Name == "Burstkin") piece_faces += object.Mesh->FaceTotal;
    }
    if (group.Group->Name == "BurstkinParticles") particles += group.Objects.size();
  }
  if (run.output_mode != 2) {
    EXPECT_EQ(piece_faces, run.imported_faces);
  }
  EXPECT_EQ(particles, run.with_particles ? static_cast<std::size_t>(run.imported_vertices) : 0u);
}

TEST(ExportRoundTrip, EveryRandomExportReadsBackAsWrittenAndConvertsToValidGltf) {
  const auto folder = testing::TestFolder("round-trip");
  const auto gltf_folder = folder / "gltf";
  std::filesystem::create_directories(gltf_folder);
  // BURSTKIN_PROPERTY_SEED=N replays one case and keeps its files;
  // BURSTKIN_PROPERTY_CASES=N runs more (or fewer) cases.
  const int only = EnvironmentNumber("BURSTKIN_PROPERTY_SEED", 0);
  const int first = only > 0 ? only : 1;
  const int last = only > 0 ? only : EnvironmentNumber("BURSTKIN_PROPERTY_CASES", 300);
  const int cases = last - first + 1;
  int exported = 0;
  for (int seed = first; seed <= last; ++seed) {
    GltfOptions options;
    options.Sampling = seed % 2 == 0 ? GltfSampling::Keys : GltfSampling::Frames;
    options.TextureFolders = {folder.string()};
    const RandomExport run = testing::RunRandomExport(static_cast<std::uint32_t>(seed), folder, &options);
    const std::string replay = "replay with BURSTKIN_PROPERTY_SEED=" + std::to_string(seed) +
                               " (files in " + folder.string() + "):" + run.description;
    if (!run.error.empty()) {
      ADD_FAILURE() << replay << "\n" << run.error;
      continue;
    }
    ++exported;
    const ExplodedReadResult read = ReadExplodedFile(run.text);
    ASSERT_TRUE(read.ok()) << replay << "\n" << read.error;
    EXPECT_EQ(testing::FirstDifference(testing::WithChannelIdsMasked(testing::WrittenAgain(read.File)),
                                       testing::WithChannelIdsMasked(run.text)),
              "")
        << replay;
    ExpectTheWholeObject(run, read.File);

    std::string bytes;
    const GltfResult gltf = BuildGltf(GltfGroupsOf(read.File), options, true, bytes);
    ASSERT_TRUE(gltf.ok()) << replay << "\n" << gltf.error;
    // The export's own glTF, made from the explosion in memory, is the one
    // made from its .cob read back, byte for byte.
    EXPECT_TRUE(run.gltf == bytes) << replay << "\nthe .glb written with the .cob differs from the one converted from it";
    // The validator takes a while per file: a sample of them is enough.
    if (seed % 10 == 0 || only > 0) std::ofstream(gltf_folder / (std::to_string(seed) + ".glb"), std::ios::binary) << bytes;
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_EQ(exported, cases);
  BK_EXPECT_VALID_GLTF(gltf_folder);
  if (only == 0 && !::testing::Test::HasFailure()) std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace bk
