#pragma once

#include <array>
#include <span>
#include <vector>

#include "cob/anim_chunk.h"
#include "engine/keyframes.h"
#include "gltf/float_buffer.h"
#include "gltf/gltf_sampling.h"

namespace bk {

// The modeller is Z-up, glTF Y-up (both right-handed): (x, y, z) -> (x, z, -y).
// The same proper rotation maps a quaternion's vector part; a scale's factors
// follow their axes: (sx, sy, sz) -> (sx, sz, sy).
inline Vec3d MapPoint(const Vec3d& p) { return {p[0], p[2], -p[1]}; }
inline Vec3d MapScale(const Vec3d& s) { return {s[0], s[2], s[1]}; }
inline std::array<double, 4> MapQuaternion(const Quaternion& q) { return {q.x, q.z, -q.y, q.w}; }

// Frames beyond this cannot be told apart as 32-bit seconds at high frame
// rates, and per-frame sampling of such a span would not fit in memory.
inline constexpr int kMaxFrame = 1000000;

// Why a key cannot be carried: channels with such keys are refused before
// they are prepared or planned.
enum class KeyFault { kNone, kFrameOutOfRange, kNotFinite };
KeyFault FaultOf(const CAnimLineSRT& key);
// True when none of the channel's keys has a fault (a null channel has none).
bool KeysAreSound(const CAnimChunkEx* channel);

// An object's animated properties in the order their samplers are written.
enum MotionPath { kTranslation, kScale, kRotation, kMotionPaths };

// One object's channel prepared once and planned per path. Its sampler
// outputs can be made again at any time from the same channel, bit for bit,
// so they need not be kept between planning the document and writing it.
class ObjectMotion {
 public:
  // A null channel (or an empty key list) plans a path that stands still.
  void Prepare(const CAnimChunkEx* channel, GltfSampling sampling);
  // What a preparation found that spares work when the same channel is
  // prepared again to write its outputs (PrepareAgain).
  struct Shortcuts {
    // The rotation is sampled at its two keys alone (one straight turn from
    // frame 0 or later): its samples are the key values, and its tangents
    // are not needed.
    bool TwoKeyTurn = false;
    // The translation is sampled at every frame from its first key (or
    // frame 0) to its last: its plan need not be worked out again.
    bool EveryFrameMove = false;
  };
  Shortcuts FoundShortcuts() const;
  // The same as Prepare for a channel whose earlier preparation found
  // `shortcuts`.
  void PrepareAgain(const CAnimChunkEx* channel, GltfSampling sampling, Shortcuts shortcuts);

  const CurvePlan& Plan(MotionPath path) const { return plans_[path]; }
  int Components(MotionPath path) const { return path == kRotation ? 4 : 3; }
  // How many values (VEC3 or VEC4) the path's output accessor holds.
  std::size_t OutputCount(MotionPath path) const;
  // The pose at frame 0 (the object as it stands before the explosion).
  Vec3d PositionAtStart() const;
  Vec3d SizeAtStart() const;
  Quaternion OrientationAtStart() const;

  // Appends the path's output values, in glTF's axes, as 32-bit floats. A
  // translation is offset by `center`; spline tangents are per second.
  void AppendOutputs(MotionPath path, const Vec3d& center, double fps, FloatBuffer& out) const;
  // False when every output value of a straight-sampled translation or
  // scale is sure to fit a 32-bit float, which a bound on the segments
  // shows without evaluating them; true means "evaluate and look".
  bool MayOverflow(MotionPath path, const Vec3d& center) const;

 private:
  // (A template, so that the per-sample loop is made once for each mapping.)
  template <bool kIsScale>
  void AppendVector(std::span<const VectorKeyTangents> keys, const CurvePlan& plan, const Vec3d& offset,
                    double fps, FloatBuffer& out) const;
  void AppendRotation(FloatBuffer& out) const;
  void PrepareVectors(const CAnimChunkEx* channel, GltfSampling sampling, bool every_frame_move);

  std::vector<VectorKeyTangents> position_;
  std::vector<VectorKeyTangents> size_;
  std::vector<OrientationKey> orientation_;
  CurvePlan plans_[kMotionPaths];
};

// Appends the frames as seconds, the input of a sampler.
void AppendSeconds(std::span<const int> frames, double fps, FloatBuffer& out);

}  // namespace bk
