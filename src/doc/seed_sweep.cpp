#include "doc/seed_sweep.h"

#include <algorithm>
#include <new>
#include <thread>

#include "cob/poly_chunk.h"
#include "engine/face_order.h"
#include "engine/particles.h"
#include "model/chunk_id.h"
#include "model/random.h"
#include "model/parallel_map.h"

namespace bk {

namespace {

// A sink for exploding one seed: no display; it stops when the sweep
// stops, and on the calling thread also when the user asks.
class SeedProgress final : public ProgressSink {
 public:
  SeedProgress(const MapStop& stop, const ProgressSink* user) : stop_(stop), user_(user) {}
  void ShowProgress(int, int, std::string_view) override {}
  bool CancelRequested() const override {
    return stop_.load(std::memory_order_relaxed) || (user_ != nullptr && user_->CancelRequested());
  }

 private:
  const MapStop& stop_;
  const ProgressSink* user_;
};

// Explodes seed i and hands it to `take`; every failure comes back as the result.
Status ExplodeAndTake(const SeedSweepInputs& inputs, std::uint32_t seed, std::size_t i, const SeedConsumer& take,
                      ProgressSink& progress) {
  Status result;
  try {
    const SeedExplosion explosion = ExplodeSeed(inputs, seed, progress);
    if (!explosion.ok()) return explosion;
    take(i, explosion);
  } catch (const std::bad_alloc&) {
    result.Fail(FailureKind::kOutOfMemory, "Out of memory: try fewer seeds or a smaller object.");
  } catch (const std::exception& error) {
    result.Fail(FailureKind::kBadData, error.what());
  }
  return result;
}

}  // namespace

SeedSweepInputs SeedSweepInputs::FromDocument(const CBrkDoc& doc) {
  SeedSweepInputs inputs;
  inputs.Object = doc.ImportedObject.get();
  for (const auto& particle : doc.ParticleObjects) inputs.ParticleObjects.push_back(particle.get());
  inputs.Options = doc.Options;
  inputs.OutputMode = doc.ActiveOutputMode;
  inputs.GlobalScale = doc.ActiveGlobalScale;
  inputs.Motion = doc.Motion;
  return inputs;
}

SeedExplosion ExplodeSeed(const SeedSweepInputs& inputs, std::uint32_t seed, ProgressSink& progress) {
  SeedExplosion result;
  result.Seed = seed;
  result.particlesOnly_ = inputs.OutputMode == 2;
  CRandom random(seed);
  MotionContext motion = inputs.Motion;
  const CPolyChunk* object = inputs.Object;
  if (!inputs.FaceOrder.empty()) {
    // The faces are reordered in a copy of the list, so seeds never share one.
    result.reordered_ = std::make_unique<CPolyChunk>();
    result.reordered_->CopyFrom(*inputs.Object);
    result.reordered_->Name = inputs.Object->Name;
    for (const FaceOrderChoice* step : inputs.FaceOrder) {
      if (step->shuffle) {
        ShuffleFaces(*result.reordered_, step->level, random);
      } else {
        SortFaces(*result.reordered_, step->descending != 0, step->axis, progress);
      }
    }
    object = result.reordered_.get();
  }
  const MotionInputs in{motion, inputs.Options, random};
  result.Exploded = ExplodeObject(*object, in, inputs.OutputMode, progress);
  if (!result.Exploded.ok()) {
    static_cast<Status&>(result) = result.Exploded;
    return result;
  }
  const bool particles = inputs.OutputMode > 0 && !inputs.ParticleObjects.empty();
  if (particles) {
    const ParticleInputs particle_inputs{*object, *inputs.ParticleObjects.front(), inputs.ParticleObjects,
                                         inputs.OutputMode, inputs.GlobalScale};
    result.Particles = ExplodeParticles(particle_inputs, *result.Exploded.group.Group, in, progress);
    if (!result.Particles.ok()) {
      static_cast<Status&>(result) = result.Particles;
      return result;
    }
  }
  if (result.Groups().empty()) result.Fail(FailureKind::kBadArgument, kNoParticlesToWrite);
  return result;
}

std::vector<const ExplodedGroup*> SeedExplosion::Groups() const {
  std::vector<const ExplodedGroup*> groups;
  if (Exploded.ok() && Exploded.group.Group && !particlesOnly_) groups.push_back(&Exploded.group);
  if (Particles.ok() && Particles.group.Group) groups.push_back(&Particles.group);
  return groups;
}

Status SweepSeeds(const SeedSweepInputs& inputs, std::span<const std::uint32_t> seeds, int threads,
                  const SeedConsumer& take, ProgressSink& progress) {
  if (seeds.empty()) return {};
  // Ids taken here are never written; the next export must number its
  // chunks as if no sweep had run.
  const KeepChunkIds keep_ids;
  const int total = static_cast<int>(seeds.size());
  progress.ShowProgress(0, total, "");
  const std::thread::id caller = std::this_thread::get_id();
  Status failure;
  const bool finished = MapInOrder<Status>(
      seeds.size(), MapThreads{threads > 0 ? static_cast<unsigned>(threads) : 0u, 4},
      [&](std::size_t i, const MapStop& stop) {
        SeedProgress seed_progress(stop, std::this_thread::get_id() == caller ? &progress : nullptr);
        return ExplodeAndTake(inputs, seeds[i], i, take, seed_progress);
      },
      [&](std::size_t i, Status&& seed) {
        if (!seed.ok()) {
          failure = std::move(seed);
          return false;
        }
        progress.ShowProgress(static_cast<int>(i) + 1, total, "");
        return !progress.CancelRequested();
      });
  if (!failure.ok()) return failure;
  Status result;
  if (!finished) result.Fail(FailureKind::kCancelled, "Cancelled.");
  return result;
}

}  // namespace bk
