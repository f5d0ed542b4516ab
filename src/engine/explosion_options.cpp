#include "engine/explosion_options.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/saturate.h"

namespace bk {

// Derived values are not range-checked (a long animation may exceed the page
// limits), but they must never overflow a 32-bit field.
std::int32_t ChunkCountFor(std::int32_t min_pieces, std::int32_t object_faces) {
  const std::int64_t chunks = static_cast<std::int64_t>(min_pieces) + min_pieces / 3;
  return Saturate(std::min<std::int64_t>(chunks, object_faces));
}

void ExplosionOptions::UpdateDerivedValues() {
  MinPieces = std::min(MinPieces, ObjectFaces);
  ChunkCount = ChunkCountFor(MinPieces, ObjectFaces);

  // Frames spent falling and bouncing: the outward flight twice, then every
  // bounce a BounceFrameFactor of the one before, until a bounce of three
  // frames or less (which still counts) or BounceCount + 1 of them.
  std::int64_t gravity_frames = 0;
  if (Gravity != 0) {
    gravity_frames = 2 * static_cast<std::int64_t>(FrameCount);
    std::int64_t f = FrameCount;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(BounceCount) + 1; ++i) {
      f = static_cast<std::int64_t>(std::trunc(static_cast<double>(f) * BounceFrameFactor));
      gravity_frames += f;
      if (f <= 3) break;
    }
  }

  std::int64_t stagger_frames = 0;
  if (Stagger != 0) stagger_frames = ChunkCount / std::max<std::int32_t>(StaggerPieces, 1);

  std::int64_t total = static_cast<std::int64_t>(FrameCount) + stagger_frames + gravity_frames;
  if (ToggleDirection != 0) total *= 2;
  total += DelayFrames;
  FrameTotal = Saturate(total);
}

void ExplosionOptions::LimitScaleFrames() {
  StaggerPieces = std::max(std::min(StaggerPieces, MinPieces), 1);
  UpdateDerivedValues();
  // The start is limited by the end as it was before the end is limited, so a
  // start above the new end is only corrected by the next pass (each page
  // visit runs one).
  ScaleStartFrame = std::min(ScaleStartFrame, ScaleEndFrame);
  ScaleEndFrame = std::min(FrameTotal, ScaleEndFrame);
}

void ExplosionOptions::LimitParticleFrames() {
  ParticleScaleStartFrame = std::min(ParticleScaleStartFrame, ParticleScaleEndFrame);
  ParticleScaleEndFrame = std::min(FrameTotal, ParticleScaleEndFrame);
}

void ExplosionOptions::ApplyFifthOfFacesRule() {
  if (MinPieces != 20) return;
  // The single-precision 0.2 is a little above a fifth, so whole fifths come
  // out exact after truncation.
  const double fifth = static_cast<double>(ObjectFaces) * static_cast<double>(0.2f);
  MinPieces = static_cast<std::int32_t>(std::trunc(fifth));
  ChunkCount = ChunkCountFor(MinPieces, ObjectFaces);
}

}  // namespace bk
