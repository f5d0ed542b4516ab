#include "gltf/gltf_sampling.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace bk {
namespace {

// Relative tolerance at the two probes of a segment. A Hermite segment minus
// its chord is u(1-u)(a + bu); keeping it within this at u = 1/3 and 2/3
// keeps it within ten times this (so within 1e-6) everywhere in the segment.
constexpr double kProbeTolerance = 1e-7;

double LargestMagnitude(const Vec3d& a, const Vec3d& b) {
  double m = 0.0;
  for (int k = 0; k < 3; ++k) m = std::max({m, std::fabs(a[k]), std::fabs(b[k])});
  return m;
}

bool NearlySame(const Quaternion& a, const Quaternion& b, double tolerance) {
  return std::fabs(a.w - b.w) <= tolerance && std::fabs(a.x - b.x) <= tolerance &&
         std::fabs(a.y - b.y) <= tolerance && std::fabs(a.z - b.z) <= tolerance;
}

// Component-wise interpolation of two unit quaternions an arc w apart
// (normalised afterwards, as some importers turn a LINEAR rotation) strays
// from their slerp by a turn of at most about w^3 / (18 sqrt 3): the leading
// term of 2 max_u |atan2(u sin w, 1 - u + u cos w) - u w|, which it exceeds
// by less than 0.2% for w up to 10 degrees. Sub-arcs no longer than this
// keep the turn within 0.01 degrees of the slerp (a turn of about 20 degrees
// between samples).
const double kMaxComponentwiseArc = std::cbrt(0.01 * M_PI / 180.0 * 18.0 * std::sqrt(3.0) / 1.002);

// The frames a straight segment is sampled at, besides its ends, as a step:
// a position or size is exact between its keys, but a turn is split into
// equal steps of at most kMaxComponentwiseArc.
int StraightStep(std::span<const VectorKeyTangents> keys, std::size_t i) {
  return std::max(1, keys[i + 1].Frame - keys[i].Frame);
}
int StraightStep(std::span<const OrientationKey> keys, std::size_t i) {
  const Quaternion& a = keys[i].Q;
  const Quaternion& b = keys[i + 1].Q;
  const double cosine = std::fabs(Dot(a, b)) / std::sqrt(Dot(a, a) * Dot(b, b));
  const double arc = std::acos(std::min(cosine, 1.0));
  const int length = keys[i + 1].Frame - keys[i].Frame;
  if (!(arc > kMaxComponentwiseArc)) return std::max(1, length);
  const double parts = std::ceil(arc / kMaxComponentwiseArc);
  return std::max(1, static_cast<int>(std::floor(length / parts)));
}

// Key frames from frame 0 on where every segment is straight (with the
// steps a long turn needs); otherwise the endpoints of straight segments
// and every frame of the others.
template <typename Key>
void SampleFrames(std::span<const Key> keys, std::vector<int>& frames) {
  frames.clear();
  // Frames from..to, those not already added (a run shares its first frame
  // with the end of the segment before).
  auto add = [&frames](int from, int to) {
    if (!frames.empty()) from = std::max(from, frames.back() + 1);
    if (from > to) return;
    const std::size_t at = frames.size();
    frames.resize(at + static_cast<std::size_t>(to - from) + 1);
    std::iota(frames.begin() + static_cast<std::ptrdiff_t>(at), frames.end(), from);
  };
  for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
    const int end = keys[i + 1].Frame;
    if (end < 0) continue;
    const int start = std::max(keys[i].Frame, 0);
    if (SegmentIsStraight(keys, i)) {
      const int step = StraightStep(keys, i);
      add(start, start);
      for (int f = keys[i].Frame + step; f < end; f += step) {
        if (f > start) add(f, f);
      }
      add(end, end);
    } else {
      add(start, end);
    }
  }
}

template <typename Key>
bool AllStraight(std::span<const Key> keys) {
  for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
    if (!SegmentIsStraight(keys, i)) return false;
  }
  return true;
}

template <typename Key>
void PlanSamples(std::span<const Key> keys, CurvePlan& plan) {
  SampleFrames(keys, plan.Frames);
  plan.Form = plan.Frames.size() < 2 ? CurveForm::Static : CurveForm::Linear;
}

void PlanStatic(CurvePlan& plan) {
  plan.Form = CurveForm::Static;
  plan.Frames.clear();
}

}  // namespace

bool SegmentIsStraight(std::span<const VectorKeyTangents> keys, std::size_t i) {
  const VectorKeyTangents& a = keys[i];
  const VectorKeyTangents& b = keys[i + 1];
  const double tolerance = kProbeTolerance * LargestMagnitude(a.Value, b.Value);
  const double length = static_cast<double>(b.Frame) - a.Frame;
  for (double u : {1.0 / 3.0, 2.0 / 3.0}) {
    // Strictly inside the segment, where the evaluator would find it too.
    const Vec3d at = EvaluateVectorSegment(keys, i, a.Frame + u * length);
    for (int k = 0; k < 3; ++k) {
      const double chord = a.Value[k] + u * (b.Value[k] - a.Value[k]);
      if (!(std::fabs(at[k] - chord) <= tolerance)) return false;
    }
  }
  return true;
}

bool SegmentIsStraight(std::span<const OrientationKey> keys, std::size_t i) {
  // squad(q0, a0, b1, q1) is exactly slerp(q0, q1) when its inner control
  // points sit on the keys themselves.
  return NearlySame(keys[i].A, keys[i].Q, kProbeTolerance) &&
         NearlySame(keys[i + 1].B, keys[i + 1].Q, kProbeTolerance);
}

void PlanVectorCurve(std::span<const VectorKeyTangents> keys, GltfSampling sampling, CurvePlan& plan) {
  const bool still = std::all_of(keys.begin(), keys.end(),
                                 [&](const VectorKeyTangents& k) { return k.Value == keys[0].Value; });
  if (keys.size() < 2 || still) return PlanStatic(plan);
  if (sampling == GltfSampling::Keys && keys.front().Frame >= 0 && !AllStraight(keys)) {
    plan.Form = CurveForm::CubicSpline;
    plan.Frames.clear();
    for (const VectorKeyTangents& key : keys) plan.Frames.push_back(key.Frame);
    return;
  }
  PlanSamples(keys, plan);
}

void PlanOrientationCurve(std::span<const OrientationKey> keys, CurvePlan& plan) {
  const bool still = std::all_of(keys.begin(), keys.end(), [&](const OrientationKey& k) {
    return NearlySame(k.Q, keys[0].Q, 1e-12);
  });
  if (keys.size() < 2 || still) return PlanStatic(plan);
  PlanSamples(keys, plan);
}

}  // namespace bk
