#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "engine/explosion.h"

namespace bk {

struct ParticleInputs {
  const CPolyChunk& ImportedObject;
  const CPolyChunk& CurrentParticle;
  std::span<const CPolyChunk* const> ParticleObjects;  // all loaded, in order
  std::int32_t ActiveOutputMode = 0;
  float ActiveGlobalScale = 1.0f;
};

// Copies a particle object onto every vertex of the imported object under a
// new "BurstkinParticles" group and animates each copy like a piece. Uses the
// motion settings left by the explosion of the same export. Progress continues
// the explosion's count. The particle objects must outlive the group.
GroupResult ExplodeParticles(const ParticleInputs& particles, const CGroup& exploded_group,
                             MotionInputs in, ProgressSink& progress);

}  // namespace bk
