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

// What one piece's or particle's keys are built from besides the run's
// settings: the options copied in at its set-up, its offset and its place in
// the stagger order. Engine state only: none of it is written to the file.
struct PieceMotion {
  const CPolyChunk* Piece = nullptr;  // the piece or particle being moved
  std::int32_t Frames = 0;            // flight length; a stagger lengthens it
  std::int32_t StaggerOrdinal = 0;
  std::int32_t StaggerPieces = 1;
  CVector Offset;
  int GravityOn = 0;
  float GlobalScale = 1.0f;
  float BounceFrameFactor = 0.5f;
  std::int32_t BounceCount = 0;
  std::int32_t ScaleStartFrame = 0;
  std::int32_t ScaleEndFrame = 0;
  float GroundZ = 0.0f;
  float ReboundScale = 1.0f;
  float ScaleStart = 1.0f;
  float ScaleEnd = 1.0f;
};

// Everything one piece or particle's keys are computed from.
struct MotionInputs {
  MotionContext& Motion;
  const ExplosionOptions& Options;
  CRandom& Random;
};

// Sets up a run: the settings from the options, the object's centre and the
// path shapes. A reverse run uses the start shape at both ends of every key
// for the whole run, the particles of the same export included.
void LoadMotionSettings(MotionContext& motion, const ExplosionOptions& options,
                        const CPolyChunk& imported_object);
void SetPathShapes(MotionContext& motion, std::int32_t path_type);
// Copies the options into a piece's motion and computes its Offset (three
// draws). particle: 0 for a piece, 1 for a particle; `centre_offset` is where
// a particle that leaves from the object's centre flies to (its vertex).
PieceMotion SetUpMotion(MotionInputs in, const CPolyChunk& piece, int particle,
                        CVector centre_offset = CVector());
// Three draws; also scales motion.Offset by the position axes and distance.
CVector ChooseRotation(MotionInputs in, PieceMotion& motion);
// Builds the channel's orientation, position and size keys. The motion's
// StaggerOrdinal and Piece must be set.
void BuildKeys(MotionInputs in, PieceMotion& motion, CAnimChunkEx& channel);

}  // namespace bk
