#pragma once

#include <cstdint>

#include "cob/anim_chunk.h"
#include "engine/explosion_options.h"
#include "model/vector.h"

namespace bk {

class CPolyChunk;
class CRandom;

// The motion values of one explosion run, copied from the options at its
// start and read by every piece and particle of the same export.
struct MotionSettings {
  float ExplosionDistance = 0.0f;
  float RotationKeep = 0.0f;  // (100 - PercentRotation) * 0.01
  std::int32_t DelayFrames = 0;
  std::int32_t Direction = 0;
  std::int32_t ToggleDirection = 0;
  ExplosionOptions::Axes RotationAxes;
  ExplosionOptions::Axes PositionAxes;
  ExplosionOptions::Axes ScaleAxes;
  std::int32_t Stagger = 0;
  ExplosionOptions::PositionSignFlags PositionSigns;
  ExplosionOptions::RotationSignFlags RotationSigns;
};

// What the motion code shares across a run: the settings, the object's centre
// and the path shapes (a reverse run changes EndShape for the rest of the run).
// The document owns one; it lives as long as the program.
struct MotionContext {
  MotionSettings Settings;
  CVector ObjectCenter;
  CVector StartShape;
  CVector EndShape;
};

// Everything one piece or particle's keys are computed from.
struct MotionInputs {
  MotionContext& Motion;
  const ExplosionOptions& Options;
  CRandom& Random;
};

void LoadMotionSettings(MotionContext& motion, const ExplosionOptions& options,
                        const CPolyChunk& imported_object);
void SetPathShapes(MotionContext& motion, std::int32_t path_type);
// Copies the options into the channel, sets its ParentId and computes Offset
// (three draws). particle: 0 for a piece, 1 for a particle.
void SetUpChannel(MotionInputs in, const CPolyChunk& piece, CAnimChunkEx& channel, int particle);
// Three draws; also scales channel.Offset by the position axes and distance.
CVector ChooseRotation(MotionInputs in, CAnimChunkEx& channel);
// Builds the orientation, position and size keys. StaggerOrdinal and Piece
// must be set.
void BuildKeys(MotionInputs in, CAnimChunkEx& channel);

}  // namespace bk
