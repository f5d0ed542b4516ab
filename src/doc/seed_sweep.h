#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "doc/brk_doc.h"
#include "engine/explosion.h"
#include "engine/explosion_options.h"
#include "engine/motion.h"
#include "model/progress.h"
#include "model/status.h"

namespace bk {

class CPolyChunk;

// What every seed of a sweep explodes. Read by several threads at once and
// never changed while a sweep runs; the objects must outlive the sweep.
struct SeedSweepInputs {
  const CPolyChunk* Object = nullptr;              // faces in the order the seeds start from
  std::vector<const CPolyChunk*> ParticleObjects;  // in load order; the first is the current one
  ExplosionOptions Options;                        // as the sheet left them
  std::int32_t OutputMode = 0;
  float GlobalScale = 1.0f;
  MotionContext Motion;                            // copied for every seed
  // Run on a copy of the object for every seed after seeding, so shuffles
  // draw from that seed as they do before an export.
  std::vector<const FaceOrderChoice*> FaceOrder;

  // The document's object, particles, options and motion as Export would use
  // them now (no face order: the document's faces are already in order).
  static SeedSweepInputs FromDocument(const CBrkDoc& doc);
};

// One seed's explosion, held in memory.
struct SeedExplosion : Status {
  std::uint32_t Seed = 0;
  GroupResult Exploded;
  GroupResult Particles;
  // The groups an export with this seed would write, in order.
  std::vector<const ExplodedGroup*> Groups() const;

 private:
  friend SeedExplosion ExplodeSeed(const SeedSweepInputs&, std::uint32_t, ProgressSink&);
  std::unique_ptr<CPolyChunk> reordered_;  // the pieces point into it
  bool particlesOnly_ = false;
};

// Explodes the object as an export with the random state `seed` would. The
// pieces may be runs of the object's faces (see ListsOf): the inputs' objects
// must outlive the result. A failure carries the engine's message.
SeedExplosion ExplodeSeed(const SeedSweepInputs& inputs, std::uint32_t seed, ProgressSink& progress);

// Hands one finished seed (by its index in the sweep) to the caller, on the
// thread that exploded it; it is dropped when this returns. May run on
// several threads at once.
using SeedConsumer = std::function<void(std::size_t index, const SeedExplosion& explosion)>;

// Explodes every seed on up to `threads` threads (0: one per core) and hands
// each to `take`. Every seed has a random state of its own, so what `take`
// receives does not depend on the thread count. `progress` is called on the
// calling thread only, with seeds done out of seeds; its CancelRequested
// stops the sweep (the result is then cancelled). The first failure stops it
// as well and is returned.
Status SweepSeeds(const SeedSweepInputs& inputs, std::span<const std::uint32_t> seeds, int threads,
                  const SeedConsumer& take, ProgressSink& progress);

}  // namespace bk
