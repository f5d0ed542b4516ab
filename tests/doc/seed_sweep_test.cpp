#include "doc/seed_sweep.h"

#include <gtest/gtest.h>

#include <cstring>
#include <chrono>
#include <mutex>
#include <thread>
#include <sstream>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "doc/options_file.h"
#include "model/chunk_id.h"
#include "model/threads.h"
#include "support/fake_platform.h"

namespace bk {
namespace {

// Every key of every piece and particle, as bytes: what a tile is drawn from.
std::string KeyBytes(const SeedExplosion& explosion) {
  std::string bytes;
  for (const ExplodedGroup* group : explosion.Groups()) {
    for (const ExplodedObject& object : group->Objects) {
      if (!object.Channel) continue;
      for (const auto* keys : {&object.Channel->Keys, &object.Channel->PositionKeys, &object.Channel->SizeKeys}) {
        bytes.append(reinterpret_cast<const char*>(keys->data()), keys->size() * sizeof(CAnimLineSRT));
      }
    }
  }
  return bytes;
}

class SweepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.ImportFile(std::string(BURSTKIN_EXAMPLES_DIR) + "/crate.cob"));
    doc.LoadParticleFiles({std::string(BURSTKIN_EXAMPLES_DIR) + "/spark.cob"}, 1);
    OptionsFile file;
    file.Settings = {{"MinPieces", "8"}, {"Gravity", "1"}, {"Particles", "1"}, {"Stagger", "1"}};
    ASSERT_EQ(ApplyOptionsFile(doc, file), std::nullopt);
  }

  std::vector<std::string> Sweep(const SeedSweepInputs& inputs, const std::vector<std::uint32_t>& seeds,
                                 int threads) {
    std::vector<std::string> keys(seeds.size());
    NoProgress progress;
    const Status status = SweepSeeds(
        inputs, seeds, threads, [&](std::size_t i, const SeedExplosion& e) { keys[i] = KeyBytes(e); }, progress);
    EXPECT_TRUE(status.ok()) << status.error;
    return keys;
  }

  testing::FakePlatform platform;
  CBrkDoc doc{platform, 1u};
};

TEST_F(SweepTest, EverySeedGivesWhatAnExportWithThatSeedWrites) {
  for (const std::uint32_t seed : {3u, 77u}) {
    doc.Random.Seed(seed);
    ChunkIdCounter::Reset(2000000);
    const std::optional<std::string> previewed = doc.PreviewCommand();
    ASSERT_TRUE(previewed.has_value());

    ChunkIdCounter::Reset(2000000);
    NoProgress progress;
    const SeedExplosion explosion = ExplodeSeed(SeedSweepInputs::FromDocument(doc), seed, progress);
    ASSERT_TRUE(explosion.ok()) << explosion.error;
    std::ostringstream out;
    {
      CobWriter writer(out);
      ASSERT_TRUE(WriteGroups(writer, explosion.Groups(), progress).ok());
    }
    EXPECT_EQ(out.str(), *previewed) << seed;
    EXPECT_EQ(explosion.Groups().size(), 2u);
  }
}

TEST_F(SweepTest, SeedsAreTheSameWhateverTheThreadsAndTheCounterIsPutBack) {
  SeedSweepInputs inputs = SeedSweepInputs::FromDocument(doc);
  // A shuffle draws from each seed's own state, on each seed's own copy.
  inputs.FaceOrder = {FindFaceOrder("maximum", true), FindFaceOrder("left-to-right", false)};
  const std::vector<std::uint32_t> seeds = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const std::int32_t ids = ChunkIdCounter::Current();
  const std::vector<std::string> alone = Sweep(inputs, seeds, 1);
  EXPECT_EQ(ChunkIdCounter::Current(), ids);
  EXPECT_EQ(Sweep(inputs, seeds, 2), alone);
  EXPECT_EQ(Sweep(inputs, seeds, 4), alone);
  // Out of threads: the sweep still runs, on the calling thread.
  RefuseThreadStartsForTesting(true);
  EXPECT_EQ(Sweep(inputs, seeds, 2), alone);
  RefuseThreadStartsForTesting(false);
  EXPECT_NE(alone[0], alone[1]);
  // The document's own object keeps its order.
  EXPECT_EQ(Sweep(SeedSweepInputs::FromDocument(doc), {5}, 1),
            Sweep(SeedSweepInputs::FromDocument(doc), {5}, 2));
}

// A progress sink whose user cancels at the first report.
class CancelAtOnce final : public ProgressSink {
 public:
  void ShowProgress(int, int, std::string_view) override { asked = true; }
  bool CancelRequested() const override { return asked; }
  bool asked = false;
};

TEST_F(SweepTest, CancelStopsTheSweep) {
  std::vector<std::uint32_t> seeds(64);
  for (std::uint32_t i = 0; i < seeds.size(); ++i) seeds[i] = i;
  std::mutex mutex;
  std::size_t taken = 0;
  CancelAtOnce progress;
  const Status status = SweepSeeds(SeedSweepInputs::FromDocument(doc), seeds, 2,
                                   [&](std::size_t, const SeedExplosion&) {
                                     std::this_thread::sleep_for(std::chrono::milliseconds(2));
                                     std::lock_guard lock(mutex);
                                     ++taken;
                                   },
                                   progress);
  EXPECT_EQ(status.kind, FailureKind::kCancelled);
  EXPECT_LT(taken, seeds.size());
}

TEST_F(SweepTest, LoadingAFileTakesItsSeedAndRefusedValuesChangeNothing) {
  OptionsFile file;
  file.Seed = 99;
  file.Settings = {{"FrameCount", "50"}};
  ASSERT_EQ(ApplyOptionsFile(doc, file), std::nullopt);
  EXPECT_EQ(doc.Random.State(), 99u);
  EXPECT_EQ(doc.Options.FrameCount, 50);
  EXPECT_EQ(doc.Options.MinPieces, 4);  // defaults, then the sheet's fifth-of-faces rule

  file.Seed = 5;
  file.Settings = {{"FrameCount", "60"}, {"MinPieces", "0"}};
  EXPECT_TRUE(ApplyOptionsFile(doc, file).has_value());
  EXPECT_EQ(doc.Random.State(), 99u);
  EXPECT_EQ(doc.Options.FrameCount, 50);
}

}  // namespace
}  // namespace bk
