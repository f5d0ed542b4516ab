#pragma once

#include <cstdint>

namespace bk {

// Every value that shapes an explosion, with its default. Integers are signed
// 32-bit, reals 32-bit floats, flags 0/1, choices the index of the chosen
// radio button. Three groups, one per page of the options sheet. The ranges
// and message texts live with the field table (doc/option_fields.h).
// MinPieces + MinPieces / 3, at most the face count: the chunk count the
// sheet shows.
std::int32_t ChunkCountFor(std::int32_t min_pieces, std::int32_t object_faces);

struct ExplosionOptions {
  // Which directions along the position axes pieces may take (stored minus,
  // then plus) and which senses of rotation (stored plus, then minus).
  struct PositionSignFlags {
    std::int32_t minus = 1;
    std::int32_t plus = 1;
  };
  struct RotationSignFlags {
    std::int32_t plus = 1;
    std::int32_t minus = 1;
  };

  struct Point {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
  };
  struct Colour {
    float r = 0.8f;
    float g = 0.76f;
    float b = 0.7f;
  };

  struct Axes {
    std::int32_t x = 1;
    std::int32_t y = 1;
    std::int32_t z = 1;
  };

  // General
  std::int32_t MinPieces = 20;
  std::int32_t ToggleDirection = 0;
  std::int32_t FrameCount = 30;
  std::int32_t PercentRotation = 40;
  std::int32_t Direction = 0;    // 0 forward, 1 reverse
  std::int32_t ObjectFaces = 0;  // derived: the object's FaceTotal
  float ExplosionDistance = 2.5f;
  std::int32_t ChunkCount = 26;  // derived
  std::int32_t FrameTotal = 0;   // derived
  std::int32_t PathType = 0;     // 0 linear, 1 accelerate, 2 decelerate
  std::int32_t DelayFrames = 0;

  // Advanced
  Axes PositionAxes;
  Axes RotationAxes;
  Axes ScaleAxes;
  std::int32_t Stagger = 0;
  std::int32_t StaggerPieces = 5;
  float ScaleStart = 1.0f;
  float ScaleEnd = 1.0f;
  PositionSignFlags PositionSigns;
  RotationSignFlags RotationSigns;
  std::int32_t ScaleStartFrame = 0;
  std::int32_t ScaleEndFrame = -1;  // -1: not yet set

  // Gravity/Particles
  std::int32_t Gravity = 0;
  float GroundZ = -5.0f;
  std::int32_t BounceCount = 3;
  float ReboundScale = 1.0f;
  std::int32_t Particles = 0;
  float ParticleScaleStart = 1.0f;
  float ParticleScaleEnd = 1.0f;
  std::int32_t OutputMode = 0;  // 0 object only, 1 object and particles, 2 particles only
  float ParticleScaleGlobal = 1.0f;
  float ParticleRandomScaleMin = 1.0f;
  float ParticleRandomScaleMax = 1.0f;
  float BounceFrameFactor = 0.5f;  // fixed
  std::int32_t ParticleScaleEndFrame = -1;  // -1: not yet set
  std::int32_t ParticleScaleStartFrame = 0;
  std::int32_t InheritTexture = 0;
  std::int32_t ParticleOrigin = 1;  // 0 object centre, 1 object surface
  std::int32_t AutoScale = 1;

  // Pieces: what a piece is, and for solid cells how the object is cut.
  std::int32_t PieceShape = 0;   // 0 runs of faces, 1 solid cells
  std::int32_t Cells = 32;
  std::int32_t SiteLayout = 0;   // 0 uniform in the object, 1 gathered around ImpactPoint
  Point ImpactPoint;             // object coordinates
  float ImpactSpread = 1.0f;     // object units
  Colour InnerColour;            // of the caps' material
  std::int32_t InnerShader = 1;  // 0 phong, 1 flat, 2 metal
  float InnerTextureScale = 1.0f;  // texture repeats per object unit on the caps

  // Clamps MinPieces to ObjectFaces and computes ChunkCount and FrameTotal.
  void UpdateDerivedValues();
  // Clamps StaggerPieces to [1, MinPieces], updates the derived values, then
  // keeps ScaleStartFrame and ScaleEndFrame within the animation.
  void LimitScaleFrames();
  // Keeps the particle scale frames within the animation (FrameTotal as last computed).
  void LimitParticleFrames();
  // The first display of the General page: a MinPieces of exactly 20 becomes a
  // fifth of the faces (truncated), and ChunkCount follows. Whoever opens the
  // sheet runs, in this order: UpdateDerivedValues(); ApplyFifthOfFacesRule();
  // UpdateDerivedValues(). The clamp comes first, so an object with fewer than
  // 20 faces keeps MinPieces at its face count.
  void ApplyFifthOfFacesRule();
};

}  // namespace bk
