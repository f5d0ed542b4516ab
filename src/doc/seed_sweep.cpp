#include "doc/seed_sweep.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "cob/poly_chunk.h"
#include "engine/face_order.h"
#include "engine/particles.h"
#include "model/chunk_id.h"
#include "model/random.h"
#include "model/threads.h"

namespace bk {

namespace {

// A worker's sink: no display, and the sweep's shared stop flag.
class WorkerProgress final : public ProgressSink {
 public:
  explicit WorkerProgress(const std::atomic<bool>& stop) : stop_(stop) {}
  void ShowProgress(int, int, std::string_view) override {}
  bool CancelRequested() const override { return stop_.load(std::memory_order_relaxed); }

 private:
  const std::atomic<bool>& stop_;
};

// What the workers share besides the inputs.
struct SweepState {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable changed;
  std::size_t done = 0;
  int running = 0;
  Status failure;
};

void RunWorker(const SeedSweepInputs& inputs, std::span<const std::uint32_t> seeds,
               const SeedConsumer& take, SweepState& state) {
  WorkerProgress progress(state.stop);
  Status failure;
  for (std::size_t i = state.next++; i < seeds.size() && !state.stop; i = state.next++) {
    try {
      const SeedExplosion explosion = ExplodeSeed(inputs, seeds[i], progress);
      if (!explosion.ok()) {
        failure = explosion;
        break;
      }
      take(i, explosion);
    } catch (const std::bad_alloc&) {
      failure.Fail(FailureKind::kOutOfMemory, "Out of memory: try fewer seeds or a smaller object.");
      break;
    } catch (const std::exception& error) {
      failure.Fail(FailureKind::kBadData, error.what());
      break;
    }
    std::lock_guard lock(state.mutex);
    ++state.done;
    state.changed.notify_all();
  }
  std::lock_guard lock(state.mutex);
  // A cancel makes the workers fail as cancelled too; the first real fault wins.
  if (!failure.ok() && (state.failure.ok() || state.failure.kind == FailureKind::kCancelled)) {
    state.failure = failure;
  }
  if (!failure.ok()) state.stop = true;
  --state.running;
  state.changed.notify_all();
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
  struct KeepIdCounter {
    std::int32_t saved = ChunkIdCounter::Current();
    ~KeepIdCounter() { ChunkIdCounter::Reset(saved); }
  } keep_ids;
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t count =
      std::min<std::size_t>(seeds.size(), threads > 0 ? static_cast<std::size_t>(threads) : cores);
  SweepState state;
  std::vector<std::thread> workers;
  workers.reserve(count);
  try {
    for (std::size_t t = 0; t < count; ++t) {
      {
        std::lock_guard lock(state.mutex);
        ++state.running;
      }
      workers.push_back(StartThread<std::thread>([&] { RunWorker(inputs, seeds, take, state); }));
    }
  } catch (const std::system_error&) {
    // Fewer threads than asked for: the ones that started share the seeds,
    // and with none this thread explodes them all (without reports).
    std::lock_guard lock(state.mutex);
    --state.running;
  }
  if (workers.empty()) {
    state.running = 1;
    RunWorker(inputs, seeds, take, state);
  }
  const int total = static_cast<int>(seeds.size());
  progress.ShowProgress(0, total, "");
  for (;;) {
    if (progress.CancelRequested()) state.stop = true;
    std::size_t done = 0;
    {
      std::unique_lock lock(state.mutex);
      state.changed.wait_for(lock, std::chrono::milliseconds(50));
      if (state.running == 0) break;
      done = state.done;
    }
    // Reported outside the lock: the window's sink pumps events.
    progress.ShowProgress(static_cast<int>(done), total, "");
  }
  for (std::thread& worker : workers) worker.join();
  if (!state.failure.ok()) return state.failure;
  Status result;
  if (state.done < seeds.size()) result.Fail(FailureKind::kCancelled, "Cancelled.");
  else progress.ShowProgress(total, total, "");
  return result;
}

}  // namespace bk
