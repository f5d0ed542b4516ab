#include "gltf/gltf_motion.h"

#include <algorithm>
#include <cmath>

namespace bk {
namespace {

// Comfortably below the largest float, so that a value bounded by it cannot
// round up to infinity when narrowed.
constexpr double kSafeMagnitude = 1e38;

// At least the largest component's size; NaN and infinity carry through.
double Magnitude(const Vec3d& v) { return std::fabs(v[0]) + std::fabs(v[1]) + std::fabs(v[2]); }

bool Finite(CVector v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

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
  position_.clear();
  size_.clear();
  orientation_.clear();
  if (channel != nullptr) {
    PrepareVectorKeys(channel->PositionKeys, position_);
    PrepareVectorKeys(channel->SizeKeys, size_);
    PrepareOrientationKeys(channel->Keys, orientation_);
  }
  PlanVectorCurve(position_, sampling, plans_[kTranslation]);
  PlanVectorCurve(size_, sampling, plans_[kScale]);
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
                                 std::vector<float>& out) const {
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
                                double fps, std::vector<float>& out) const {
  if (plan.Form == CurveForm::Static) return;
  const bool linear = plan.Form == CurveForm::Linear;
  const std::size_t start = out.size();
  out.resize(start + (linear ? plan.Frames.size() : keys.size() * 3) * 3);
  float* next = out.data() + start;
  auto put = [&](const Vec3d& v) {
    const Vec3d mapped = kIsScale ? MapScale(v) : MapPoint(v);
    for (int a = 0; a < 3; ++a) next[a] = static_cast<float>(mapped[a]);
    next += 3;
  };
  if (linear) {
    ForEachSample(keys, std::span<const int>(plan.Frames),
                  [&](const Vec3d& v) { put({v[0] + offset[0], v[1] + offset[1], v[2] + offset[2]}); });
    return;
  }
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
    put(in);
    put({keys[i].Value[0] + offset[0], keys[i].Value[1] + offset[1], keys[i].Value[2] + offset[2]});
    put(out_tangent);
  }
}

// Orientation: glTF's LINEAR rotation is a slerp, which is exactly squad on
// straight segments; elsewhere one sample per frame, each in the hemisphere
// of the one before so that no reader turns the long way round.
void ObjectMotion::AppendRotation(std::vector<float>& out) const {
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

void AppendSeconds(std::span<const int> frames, double fps, std::vector<float>& out) {
  for (const int f : frames) out.push_back(static_cast<float>(f / fps));
}

}  // namespace bk
