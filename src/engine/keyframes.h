#pragma once

#include <span>

#include "cob/anim_chunk.h"
#include "model/vector.h"

namespace bk {

// The one evaluator of the key frames Burstkin writes. The modeller
// interpolates between keys with its own spline; ours is the standard
// Kochanek-Bartels spline that the keys' (tension, continuity, bias) shapes
// name, with squad for orientations. The preview and the glTF export both use
// it, so they always agree.
//
// Keys are taken in frame order (stable by frame; of several keys on one
// frame the last in list order stands). Before the first key a channel holds
// its first value, after the last its last value; a channel without keys is
// the rest value.

struct Quaternion {
  double w = 1.0;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// Position, size and orientation of a piece or particle at one frame.
struct Pose {
  CVector Position;            // displacement from where the object stands
  CVector Size{1.0f, 1.0f, 1.0f};
  Quaternion Orientation;      // unit length
};

// Kochanek-Bartels over position or size keys; `rest` for an empty channel.
CVector EvaluateVectorKeys(std::span<const CAnimLineSRT> keys, double frame, CVector rest);
// Squad over orientation keys (normalised, each in the hemisphere of the one before).
Quaternion EvaluateOrientationKeys(std::span<const CAnimLineSRT> keys, double frame);
// All three channels of a piece or particle.
Pose EvaluatePose(const CAnimChunkEx& channel, double frame);
// Where vertex v of an object with axis centre c goes: c + R(S o (v - c)) + P.
CVector ApplyPose(const Pose& pose, CVector center, CVector v);
// The last key frame of any of the channel's lists (0 when it has none).
int LastKeyFrame(const CAnimChunkEx& channel);

}  // namespace bk
