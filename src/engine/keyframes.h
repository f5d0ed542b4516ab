#pragma once

#include <array>
#include <span>
#include <vector>

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

// --- The prepared form of a channel, shared by the evaluator and the glTF
// writer so that nothing evaluates keys a second way.

using Vec3d = std::array<double, 3>;

// One key of a position or size channel in evaluation order, with its
// Kochanek-Bartels tangents in value per segment: Incoming (DS) belongs to the
// segment that ends at this key, Outgoing (DD) to the one that starts here.
// The first key's Incoming and the last key's Outgoing are zero (unused).
struct VectorKeyTangents {
  int Frame = 0;
  Vec3d Value{};
  Vec3d Incoming{};
  Vec3d Outgoing{};
};

// One key of an orientation channel in evaluation order: the unit quaternion
// (in the hemisphere of the key before) and its squad control points; A is
// used by the segment that starts here, B by the one that ends here (so the
// first key's B and the last key's A, which no segment uses, are left as
// the identity).
struct OrientationKey {
  int Frame = 0;
  Quaternion Q;
  Quaternion A;
  Quaternion B;
};

// Keys sorted stably by frame, one per frame (the last in list order stands).
std::vector<CAnimLineSRT> OrderKeys(std::span<const CAnimLineSRT> keys);
std::vector<VectorKeyTangents> PrepareVectorKeys(std::span<const CAnimLineSRT> keys);
std::vector<OrientationKey> PrepareOrientationKeys(std::span<const CAnimLineSRT> keys);
// The same into `out`, whose storage is reused (for callers that prepare
// channel after channel).
void PrepareVectorKeys(std::span<const CAnimLineSRT> keys, std::vector<VectorKeyTangents>& out);
void PrepareOrientationKeys(std::span<const CAnimLineSRT> keys, std::vector<OrientationKey>& out);
// Only the keys' unit quaternions (A and B left as identity), for a caller
// that will read nothing but the key values themselves.
void PrepareOrientationValues(std::span<const CAnimLineSRT> keys, std::vector<OrientationKey>& out);
// Evaluation of prepared channels (non-empty) at a frame.
Vec3d EvaluatePreparedVector(std::span<const VectorKeyTangents> keys, double frame);
Quaternion EvaluatePreparedOrientation(std::span<const OrientationKey> keys, double frame);
// The same inside segment [i, i+1], for callers that walk the segments in
// order: keys[i].Frame <= frame < keys[i + 1].Frame.
// (Inline: the glTF export calls it once per frame of every moving piece.)
[[gnu::always_inline]] inline Vec3d EvaluateVectorSegment(std::span<const VectorKeyTangents> keys, std::size_t i, double frame) {
  const VectorKeyTangents& k0 = keys[i];
  const VectorKeyTangents& k1 = keys[i + 1];
  const double u = (frame - k0.Frame) / (static_cast<double>(k1.Frame) - k0.Frame);
  const double u2 = u * u;
  const double u3 = u2 * u;
  const double h00 = 2 * u3 - 3 * u2 + 1;
  const double h10 = u3 - 2 * u2 + u;
  const double h01 = -2 * u3 + 3 * u2;
  const double h11 = u3 - u2;
  // Each component written out: a loop over them kept the result in memory.
  auto at = [&](int a) { return h00 * k0.Value[a] + h10 * k0.Outgoing[a] + h01 * k1.Value[a] + h11 * k1.Incoming[a]; };
  return {at(0), at(1), at(2)};
}
Quaternion EvaluateOrientationSegment(std::span<const OrientationKey> keys, std::size_t i, double frame);

// Quaternion helpers (Hamilton product; rotations of column vectors).
Quaternion Multiply(const Quaternion& a, const Quaternion& b);
Quaternion Normalized(const Quaternion& q);  // identity for a zero or non-finite length
double Dot(const Quaternion& a, const Quaternion& b);
// Great-arc interpolation from a (u = 0) to b (u = 1) without hemisphere flip.
Quaternion Slerp(const Quaternion& a, const Quaternion& b, double u);
Vec3d Rotate(const Quaternion& q, const Vec3d& v);

}  // namespace bk
