#pragma once

#include <span>
#include <vector>

#include "engine/keyframes.h"

namespace bk {

// How animation curves are carried. `Frames` (the default) moves right in
// every importer: a channel whose key segments are straight in time keeps
// only its keys as LINEAR (exact at every moment), anything else gets one
// LINEAR sample per frame. `Keys` is the compact exact choice: curved
// position and size channels become CUBICSPLINE on the key frames, which is
// exact only in importers that honour the spline tangents.
enum class GltfSampling { Frames, Keys };

enum class CurveForm {
  Static,       // nothing to animate: the node's own value holds throughout
  Linear,       // LINEAR samples at Frames
  CubicSpline,  // CUBICSPLINE on the key frames (Frames are the key frames)
};

// The frames a channel is sampled at, and how a reader interpolates between them.
struct CurvePlan {
  CurveForm Form = CurveForm::Static;
  std::vector<int> Frames;  // ascending, none below 0
};

// Segment [i, i+1] of a prepared channel is straight when the evaluator
// agrees with plain interpolation between its two keys (linear for position
// and size, slerp for orientation) within 1e-6 of the values' size at every
// moment. Requires i + 1 < keys.size().
bool SegmentIsStraight(std::span<const VectorKeyTangents> keys, std::size_t i);
bool SegmentIsStraight(std::span<const OrientationKey> keys, std::size_t i);

// The plan for one prepared channel, made in `plan` (whose storage is
// reused). glTF time starts at 0, so keys before frame 0 are carried from
// frame 0 on (sampled per frame there, whichever the choice); a channel that
// stands still from frame 0 on is Static.
void PlanVectorCurve(std::span<const VectorKeyTangents> keys, GltfSampling sampling, CurvePlan& plan);
// glTF cannot carry squad as a curve, so orientation is planned the same way
// under either choice.
void PlanOrientationCurve(std::span<const OrientationKey> keys, CurvePlan& plan);

inline const Vec3d& KeyValue(const VectorKeyTangents& key) { return key.Value; }
inline const Quaternion& KeyValue(const OrientationKey& key) { return key.Q; }
// Always inlined: it is in the per-frame sampling loop, where a call keeps
// the loop's state in memory.
[[gnu::always_inline]] inline Vec3d EvaluateSegment(std::span<const VectorKeyTangents> keys, std::size_t i,
                                                     double frame) {
  return EvaluateVectorSegment(keys, i, frame);
}
inline Quaternion EvaluateSegment(std::span<const OrientationKey> keys, std::size_t i, double frame) {
  return EvaluateOrientationSegment(keys, i, frame);
}

// The evaluator's values at ascending `frames`, handed to `visit` in order.
// The segments are walked once alongside the frames rather than searched
// for each frame; the arithmetic is the evaluator's own, so the values are
// the same to the bit.
template <typename Key, typename Visit>
void ForEachSample(std::span<const Key> keys, std::span<const int> frames, Visit visit) {
  std::size_t segment = 0;
  for (const int f : frames) {
    if (!(f > keys.front().Frame)) {
      visit(KeyValue(keys.front()));
    } else if (f >= keys.back().Frame) {
      visit(KeyValue(keys.back()));
    } else {
      while (keys[segment + 1].Frame <= f) ++segment;
      visit(EvaluateSegment(keys, segment, f));
    }
  }
}

}  // namespace bk
