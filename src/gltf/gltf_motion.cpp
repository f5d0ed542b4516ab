#include "gltf/gltf_motion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace bk {
namespace {

// Comfortably below the largest float, so that a value bounded by it cannot
// round up to infinity when narrowed.
constexpr double kSafeMagnitude = 1e38;

// At least the largest component's size; NaN and infinity carry through.
double Magnitude(const Vec3d& v) { return std::fabs(v[0]) + std::fabs(v[1]) + std::fabs(v[2]); }

bool Finite(CVector v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// Two frames' worth of doubles, worked on together by one instruction each.
using FramePair = double __attribute__((vector_size(16)));

// A translation or scale value (or tangent) narrowed to floats in glTF's
// axes at `out`.
template <bool kIsScale>
[[gnu::always_inline]] inline void PutMapped(const Vec3d& v, float* out) {
  const Vec3d mapped = kIsScale ? MapScale(v) : MapPoint(v);
  for (int a = 0; a < 3; ++a) out[a] = static_cast<float>(mapped[a]);
}

// A value offset (a translation by the centre; a scale by zero all the same,
// which turns a -0 factor into +0) and put at `out`.
template <bool kIsScale>
[[gnu::always_inline]] inline void PutVector(const Vec3d& v, const Vec3d& offset, float* out) {
  PutMapped<kIsScale>({v[0] + offset[0], v[1] + offset[1], v[2] + offset[2]}, out);
}

// The evaluator's Hermite weights of a pair of frames.
struct PairWeights {
  FramePair h00, h10, h01, h11;
};

// The weights at `frame` in segment `i`, worked out as the evaluator does.
[[gnu::always_inline]] inline PairWeights WeightsAt(std::span<const VectorKeyTangents> keys, std::size_t i,
                                                    FramePair frame) {
  const FramePair u =
      (frame - static_cast<double>(keys[i].Frame)) / (static_cast<double>(keys[i + 1].Frame) - keys[i].Frame);
  const FramePair u2 = u * u;
  const FramePair u3 = u2 * u;
  return {2.0 * u3 - 3.0 * u2 + 1.0, u3 - 2.0 * u2 + u, -2.0 * u3 + 3.0 * u2, u3 - u2};
}

// Two frames of segment `i` with weights `h`, put at `out`, both at once:
// every operation is the evaluator's own, in its order, on each frame
// alone, so the values are the same to the bit.
template <bool kIsScale>
[[gnu::always_inline]] inline void PutSegmentPair(std::span<const VectorKeyTangents> keys, std::size_t i,
                                                  const PairWeights& h, const Vec3d& offset, float* out) {
  const VectorKeyTangents& k0 = keys[i];
  const VectorKeyTangents& k1 = keys[i + 1];
  // Each component written out: a loop over them kept the values in memory.
  auto at = [&](int a) {
    return h.h00 * k0.Value[a] + h.h10 * k0.Outgoing[a] + h.h01 * k1.Value[a] + h.h11 * k1.Incoming[a] + offset[a];
  };
  // glTF's axes: (x, y, z) -> (x, z, -y) for a point, (x, z, y) for a scale.
  using FloatPair = float __attribute__((vector_size(8)));
  const FloatPair x = __builtin_convertvector(at(0), FloatPair);
  const FloatPair y = __builtin_convertvector(at(2), FloatPair);
  const FloatPair z = __builtin_convertvector(kIsScale ? at(1) : -at(1), FloatPair);
  for (int f = 0; f < 2; ++f) {
    out[3 * f] = x[f];
    out[3 * f + 1] = y[f];
    out[3 * f + 2] = z[f];
  }
}

// The weights at every whole frame of segments of one length. Frames are
// whole numbers, so u (the frame's place in its segment over the segment's
// length) and with it the weights depend on those two numbers alone, and
// the same lengths recur across thousands of pieces: each is worked out
// once, from the same division the evaluator makes.
class SegmentWeights {
 public:
  static constexpr int kLongest = 128;

  // Rows h00, h10, h01, h11 of `length` + 1 weights each, by place; null
  // for a segment longer than kLongest.
  const double* For(int length) {
    if (length > kLongest) return nullptr;
    std::vector<double>& table = tables_[static_cast<std::size_t>(length)];
    if (table.empty()) Fill(table, length);
    return table.data();
  }

 private:
  static void Fill(std::vector<double>& table, int length) {
    const auto row = static_cast<std::size_t>(length) + 1;
    table.resize(4 * row);
    for (std::size_t m = 0; m < row; ++m) {
      const double u = static_cast<double>(m) / static_cast<double>(length);
      const double u2 = u * u;
      const double u3 = u2 * u;
      table[m] = 2 * u3 - 3 * u2 + 1;
      table[row + m] = u3 - 2 * u2 + u;
      table[2 * row + m] = -2 * u3 + 3 * u2;
      table[3 * row + m] = u3 - u2;
    }
  }

  // By length; at most about a quarter of a megabyte when all are made.
  std::array<std::vector<double>, kLongest + 1> tables_;
};

// Every sampling thread keeps its own.
thread_local SegmentWeights segment_weights;

// The frames of segment `i` from frames[j] on, two at a time while both
// lie before its end; returns where it stopped.
template <bool kIsScale>
std::size_t SampleSegmentPairs(std::span<const VectorKeyTangents> keys, std::size_t i, std::span<const int> frames,
                               std::size_t j, const Vec3d& offset, float*& out) {
  const int start = keys[i].Frame;
  const int end = keys[i + 1].Frame;
  auto inside = [&] { return j + 1 < frames.size() && frames[j + 1] < end; };
  if (!inside()) return j;
  if (const double* w = segment_weights.For(end - start)) {
    const std::size_t row = static_cast<std::size_t>(end - start) + 1;
    for (; inside(); j += 2, out += 6) {
      const auto m0 = static_cast<std::size_t>(frames[j] - start);
      const auto m1 = static_cast<std::size_t>(frames[j + 1] - start);
      const PairWeights h{{w[m0], w[m1]}, {w[row + m0], w[row + m1]}, {w[2 * row + m0], w[2 * row + m1]},
                          {w[3 * row + m0], w[3 * row + m1]}};
      PutSegmentPair<kIsScale>(keys, i, h, offset, out);
    }
    return j;
  }
  for (; inside(); j += 2, out += 6) {
    PutSegmentPair<kIsScale>(keys, i, WeightsAt(keys, i, FramePair{double(frames[j]), double(frames[j + 1])}),
                             offset, out);
  }
  return j;
}

// The evaluator's values at ascending `frames`, put three floats a frame
// from `out` on. Inside a segment, frames go two at a time.
template <bool kIsScale>
void SampleVectors(std::span<const VectorKeyTangents> keys, std::span<const int> frames, const Vec3d& offset,
                   float* out) {
  std::size_t j = 0;
  const std::size_t n = frames.size();
  for (; j < n && !(frames[j] > keys.front().Frame); ++j, out += 3) PutVector<kIsScale>(keys.front().Value, offset, out);
  for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
    j = SampleSegmentPairs<kIsScale>(keys, i, frames, j, offset, out);
    if (j < n && frames[j] < keys[i + 1].Frame) {
      PutVector<kIsScale>(EvaluateSegment(keys, i, frames[j]), offset, out);
      ++j;
      out += 3;
    }
  }
  for (; j < n; ++j, out += 3) PutVector<kIsScale>(keys.back().Value, offset, out);
}

}  // namespace

KeyFault FaultOf(const CAnimLineSRT& key) {
  if (key.Frame < -kMaxFrame || key.Frame > kMaxFrame) return KeyFault::kFrameOutOfRange;
  if (!Finite(key.Value) || !std::isfinite(key.RotationW) || !Finite(key.Shape)) return KeyFault::kNotFinite;
  return KeyFault::kNone;
}

bool KeysAreSound(const CAnimChunkEx* channel) {
  if (channel == nullptr) return true;
  for (const auto* keys : {&channel->Keys, &channel->PositionKeys, &channel->SizeKeys}) {
    for (const CAnimLineSRT& key : *keys) {
      if (FaultOf(key) != KeyFault::kNone) return false;
    }
  }
  return true;
}

void ObjectMotion::Prepare(const CAnimChunkEx* channel, GltfSampling sampling) {
  PrepareAgain(channel, sampling, {});
}

void ObjectMotion::PrepareVectors(const CAnimChunkEx* channel, GltfSampling sampling, bool every_frame_move) {
  position_.clear();
  size_.clear();
  if (channel != nullptr) {
    PrepareVectorKeys(channel->PositionKeys, position_);
    PrepareVectorKeys(channel->SizeKeys, size_);
  }
  CurvePlan& move = plans_[kTranslation];
  if (every_frame_move && !position_.empty()) {
    const int first = std::max(position_.front().Frame, 0);
    move.Form = CurveForm::Linear;
    move.Frames.resize(static_cast<std::size_t>(position_.back().Frame - first) + 1);
    std::iota(move.Frames.begin(), move.Frames.end(), first);
  } else {
    PlanVectorCurve(position_, sampling, move);
  }
  PlanVectorCurve(size_, sampling, plans_[kScale]);
}

ObjectMotion::Shortcuts ObjectMotion::FoundShortcuts() const {
  const CurvePlan& turn = plans_[kRotation];
  const CurvePlan& move = plans_[kTranslation];
  Shortcuts found;
  found.TwoKeyTurn = turn.Form == CurveForm::Linear && orientation_.size() == 2 && turn.Frames.size() == 2 &&
                     turn.Frames[0] == orientation_[0].Frame && turn.Frames[1] == orientation_[1].Frame;
  found.EveryFrameMove = move.Form == CurveForm::Linear && !position_.empty() &&
                         move.Frames.front() == std::max(position_.front().Frame, 0) &&
                         move.Frames.back() == position_.back().Frame &&
                         move.Frames.size() == static_cast<std::size_t>(move.Frames.back() - move.Frames.front()) + 1;
  return found;
}

void ObjectMotion::PrepareAgain(const CAnimChunkEx* channel, GltfSampling sampling, Shortcuts shortcuts) {
  PrepareVectors(channel, sampling, shortcuts.EveryFrameMove);
  orientation_.clear();
  if (channel != nullptr && shortcuts.TwoKeyTurn) {
    PrepareOrientationValues(channel->Keys, orientation_);
    if (orientation_.size() == 2) {
      plans_[kRotation].Form = CurveForm::Linear;
      plans_[kRotation].Frames.assign({orientation_[0].Frame, orientation_[1].Frame});
      return;
    }
  }
  if (channel != nullptr) PrepareOrientationKeys(channel->Keys, orientation_);
  PlanOrientationCurve(orientation_, plans_[kRotation]);
}

std::size_t ObjectMotion::OutputCount(MotionPath path) const {
  const CurvePlan& plan = plans_[path];
  if (plan.Form == CurveForm::Static) return 0;
  // A spline carries an in-tangent, the value and an out-tangent per key.
  return plan.Form == CurveForm::CubicSpline ? plan.Frames.size() * 3 : plan.Frames.size();
}

Vec3d ObjectMotion::PositionAtStart() const {
  return position_.empty() ? Vec3d{0, 0, 0} : EvaluatePreparedVector(position_, 0.0);
}

Vec3d ObjectMotion::SizeAtStart() const {
  return size_.empty() ? Vec3d{1, 1, 1} : EvaluatePreparedVector(size_, 0.0);
}

Quaternion ObjectMotion::OrientationAtStart() const {
  return orientation_.empty() ? Quaternion{} : EvaluatePreparedOrientation(orientation_, 0.0);
}

void ObjectMotion::AppendOutputs(MotionPath path, const Vec3d& center, double fps,
                                 FloatBuffer& out) const {
  switch (path) {
    case kTranslation:
      AppendVector<false>(position_, plans_[kTranslation], center, fps, out);
      break;
    case kScale:
      // Offset by zero all the same: adding +0 turns a -0 factor into +0.
      AppendVector<true>(size_, plans_[kScale], {0, 0, 0}, fps, out);
      break;
    default:
      AppendRotation(out);
  }
}

// Translation (offset by the centre) or scale, as its plan says.
template <bool kIsScale>
void ObjectMotion::AppendVector(std::span<const VectorKeyTangents> keys, const CurvePlan& plan, const Vec3d& offset,
                                double fps, FloatBuffer& out) const {
  if (plan.Form == CurveForm::Static) return;
  const bool linear = plan.Form == CurveForm::Linear;
  const std::size_t start = out.size();
  out.resize(start + (linear ? plan.Frames.size() : keys.size() * 3) * 3);
  float* next = out.data() + start;
  if (linear) return SampleVectors<kIsScale>(keys, plan.Frames, offset, next);
  // glTF tangents are per second: the per-segment tangent divided by the
  // segment's length in seconds. The first in- and last out-tangent are 0.
  for (std::size_t i = 0; i < keys.size(); ++i) {
    Vec3d in{};
    Vec3d out_tangent{};
    if (i > 0) {
      const double seconds = (keys[i].Frame - keys[i - 1].Frame) / fps;
      for (int a = 0; a < 3; ++a) in[a] = keys[i].Incoming[a] / seconds;
    }
    if (i + 1 < keys.size()) {
      const double seconds = (keys[i + 1].Frame - keys[i].Frame) / fps;
      for (int a = 0; a < 3; ++a) out_tangent[a] = keys[i].Outgoing[a] / seconds;
    }
    PutMapped<kIsScale>(in, next);
    PutVector<kIsScale>(keys[i].Value, offset, next + 3);
    PutMapped<kIsScale>(out_tangent, next + 6);
    next += 9;
  }
}

// Orientation: glTF's LINEAR rotation is a slerp, which is exactly squad on
// straight segments; elsewhere one sample per frame, each in the hemisphere
// of the one before so that no reader turns the long way round.
void ObjectMotion::AppendRotation(FloatBuffer& out) const {
  const CurvePlan& plan = plans_[kRotation];
  if (plan.Form == CurveForm::Static) return;
  const std::size_t start = out.size();
  out.resize(start + plan.Frames.size() * 4);
  float* next = out.data() + start;
  Quaternion previous = orientation_.front().Q;
  ForEachSample(std::span<const OrientationKey>(orientation_), std::span<const int>(plan.Frames),
                [&](const Quaternion& at) {
                  Quaternion q = Normalized(at);
                  if (Dot(q, previous) < 0.0) q = {-q.w, -q.x, -q.y, -q.z};
                  for (double c : MapQuaternion(q)) *next++ = static_cast<float>(c);
                  previous = q;
                });
}

// On [0, 1] the Hermite weights of the two values sum to 1 and those of the
// tangents stay within 4/27, so a segment never strays further from zero
// than its larger value plus 4/27 of its two tangents. Normalised rotations
// always fit, and spline outputs (a few per key) are cheap to look at.
bool ObjectMotion::MayOverflow(MotionPath path, const Vec3d& center) const {
  const CurvePlan& plan = plans_[path];
  if (path == kRotation || plan.Form == CurveForm::Static) return false;
  if (plan.Form == CurveForm::CubicSpline) return true;
  const std::vector<VectorKeyTangents>& keys = path == kTranslation ? position_ : size_;
  const double offset = path == kTranslation ? Magnitude(center) : 0.0;
  if (!(Magnitude(keys.front().Value) + offset <= kSafeMagnitude)) return true;
  for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
    const double reach = Magnitude(keys[i].Value) + Magnitude(keys[i + 1].Value) +
                         4.0 / 27.0 * (Magnitude(keys[i].Outgoing) + Magnitude(keys[i + 1].Incoming));
    if (!(reach + offset <= kSafeMagnitude)) return true;
  }
  return false;
}

void AppendSeconds(std::span<const int> frames, double fps, FloatBuffer& out) {
  for (const int f : frames) out.push_back(static_cast<float>(f / fps));
}

}  // namespace bk
