#include "engine/keyframes.h"

#include <algorithm>
#include <cmath>

namespace bk {
namespace {

Vec3d ToVec(CVector v) { return {v.x, v.y, v.z}; }
CVector ToCVector(const Vec3d& v) {
  return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

Vec3d Sub(const Vec3d& a, const Vec3d& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

// k1 * d1 + k2 * d2, scaled by s.
Vec3d Blend(double k1, const Vec3d& d1, double k2, const Vec3d& d2, double s) {
  return {(k1 * d1[0] + k2 * d2[0]) * s, (k1 * d1[1] + k2 * d2[1]) * s,
          (k1 * d1[2] + k2 * d2[2]) * s};
}

Quaternion Conjugate(const Quaternion& q) { return {q.w, -q.x, -q.y, -q.z}; }
Quaternion Scale(const Quaternion& q, double s) { return {q.w * s, q.x * s, q.y * s, q.z * s}; }
Quaternion Plus(const Quaternion& a, const Quaternion& b) {
  return {a.w + b.w, a.x + b.x, a.y + b.y, a.z + b.z};
}

// Logarithm of a unit quaternion: a pure quaternion (w = 0).
Quaternion Log(const Quaternion& q) {
  const double len = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z);
  if (len < 1e-300) return {0.0, 0.0, 0.0, 0.0};
  const double angle = std::atan2(len, q.w);
  const double k = angle / len;
  return {0.0, q.x * k, q.y * k, q.z * k};
}

// Exponential of a pure quaternion.
Quaternion Exp(const Quaternion& v) {
  const double angle = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (angle < 1e-300) return {1.0, 0.0, 0.0, 0.0};
  const double k = std::sin(angle) / angle;
  return {std::cos(angle), v.x * k, v.y * k, v.z * k};
}

// Spacing factors 2N(i-1)/(N(i-1)+N(i)) and 2N(i)/(N(i-1)+N(i)); an end key
// stands as if its missing neighbour were as far away as its present one, so
// both factors are 1 there.
void SpacingFactors(int before, int here, int after, bool has_before, bool has_after,
                    double& fp, double& fn) {
  fp = 1.0;
  fn = 1.0;
  if (!has_before || !has_after) return;
  const double n_prev = static_cast<double>(here) - before;
  const double n_next = static_cast<double>(after) - here;
  fp = 2.0 * n_prev / (n_prev + n_next);
  fn = 2.0 * n_next / (n_prev + n_next);
}

// The segment [i, i+1] that holds `frame`; false when frame lies at or
// outside the ends (the caller then takes an end value).
bool FindSegment(auto keys, double frame, std::size_t& i) {
  if (keys.size() < 2 || !(frame > keys.front().Frame) || frame >= keys.back().Frame) return false;
  // First key whose frame is greater than `frame`; the segment ends there.
  auto it = std::upper_bound(keys.begin(), keys.end(), frame,
                             [](double f, const auto& key) { return f < key.Frame; });
  i = static_cast<std::size_t>(it - keys.begin()) - 1;
  return true;
}

}  // namespace

Quaternion Multiply(const Quaternion& a, const Quaternion& b) {
  return {a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z,
          a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
          a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
          a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w};
}

double Dot(const Quaternion& a, const Quaternion& b) {
  return a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z;
}

Quaternion Normalized(const Quaternion& q) {
  const double len = std::sqrt(Dot(q, q));
  if (!(len > 0.0) || !std::isfinite(len)) return {};
  return Scale(q, 1.0 / len);
}

Quaternion Slerp(const Quaternion& a, const Quaternion& b, double u) {
  const double cosine = std::clamp(Dot(a, b), -1.0, 1.0);
  const double angle = std::acos(cosine);
  const double sine = std::sin(angle);
  if (sine < 1e-9) {
    // Nearly the same rotation (or exactly opposite, where every arc is as
    // good as another): the chord is then as exact as doubles allow.
    return Normalized(Plus(Scale(a, 1.0 - u), Scale(b, u)));
  }
  const double ka = std::sin((1.0 - u) * angle) / sine;
  const double kb = std::sin(u * angle) / sine;
  return Plus(Scale(a, ka), Scale(b, kb));
}

Vec3d Rotate(const Quaternion& q, const Vec3d& v) {
  const Quaternion p{0.0, v[0], v[1], v[2]};
  const Quaternion r = Multiply(Multiply(q, p), Conjugate(q));
  return {r.x, r.y, r.z};
}

std::vector<CAnimLineSRT> OrderKeys(std::span<const CAnimLineSRT> keys) {
  std::vector<CAnimLineSRT> sorted(keys.begin(), keys.end());
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const CAnimLineSRT& a, const CAnimLineSRT& b) { return a.Frame < b.Frame; });
  // Of a run of keys on one frame, the last (in list order, which the stable
  // sort kept) stands for that frame.
  std::vector<CAnimLineSRT> merged;
  merged.reserve(sorted.size());
  for (const CAnimLineSRT& key : sorted) {
    if (!merged.empty() && merged.back().Frame == key.Frame) {
      merged.back() = key;
    } else {
      merged.push_back(key);
    }
  }
  return merged;
}

namespace {

// The keys in evaluation order: the list itself when its frames already
// rise strictly (as every list Burstkin makes does), else sorted and merged
// into `scratch`.
std::span<const CAnimLineSRT> InEvaluationOrder(std::span<const CAnimLineSRT> keys,
                                                std::vector<CAnimLineSRT>& scratch) {
  for (std::size_t i = 1; i < keys.size(); ++i) {
    if (!(keys[i - 1].Frame < keys[i].Frame)) {
      scratch = OrderKeys(keys);
      return scratch;
    }
  }
  return keys;
}

}  // namespace

std::vector<VectorKeyTangents> PrepareVectorKeys(std::span<const CAnimLineSRT> keys) {
  std::vector<VectorKeyTangents> out;
  PrepareVectorKeys(keys, out);
  return out;
}

std::vector<OrientationKey> PrepareOrientationKeys(std::span<const CAnimLineSRT> keys) {
  std::vector<OrientationKey> out;
  PrepareOrientationKeys(keys, out);
  return out;
}

void PrepareVectorKeys(std::span<const CAnimLineSRT> keys, std::vector<VectorKeyTangents>& out) {
  std::vector<CAnimLineSRT> scratch;
  const std::span<const CAnimLineSRT> ordered = InEvaluationOrder(keys, scratch);
  const std::size_t n = ordered.size();
  out.assign(n, VectorKeyTangents{});
  for (std::size_t i = 0; i < n; ++i) {
    out[i].Frame = ordered[i].Frame;
    out[i].Value = ToVec(ordered[i].Value);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const double t = ordered[i].Shape.x;
    const double c = ordered[i].Shape.y;
    const double b = ordered[i].Shape.z;
    const bool has_before = i > 0;
    const bool has_after = i + 1 < n;
    // End keys duplicate their end point, so the missing difference is zero.
    const Vec3d d_in = has_before ? Sub(out[i].Value, out[i - 1].Value) : Vec3d{};
    const Vec3d d_out = has_after ? Sub(out[i + 1].Value, out[i].Value) : Vec3d{};
    double fp = 1.0;
    double fn = 1.0;
    SpacingFactors(has_before ? out[i - 1].Frame : 0, out[i].Frame,
                   has_after ? out[i + 1].Frame : 0, has_before, has_after, fp, fn);
    // Continuity outside [-1, 1] occurs (path shapes, gravity) and is used
    // as it stands.
    if (has_before) {
      out[i].Incoming = Blend((1 - t) * (1 + b) * (1 - c) / 2, d_in,
                              (1 - t) * (1 - b) * (1 + c) / 2, d_out, fp);
    }
    if (has_after) {
      out[i].Outgoing = Blend((1 - t) * (1 + b) * (1 + c) / 2, d_in,
                              (1 - t) * (1 - b) * (1 - c) / 2, d_out, fn);
    }
  }
}

namespace {

// The keys' unit quaternions, each in the hemisphere of the one before.
void PutOrientationValues(std::span<const CAnimLineSRT> ordered, std::vector<OrientationKey>& out) {
  const std::size_t n = ordered.size();
  out.assign(n, OrientationKey{});
  for (std::size_t i = 0; i < n; ++i) {
    const CAnimLineSRT& key = ordered[i];
    Quaternion q = Normalized({key.RotationW, key.Value.x, key.Value.y, key.Value.z});
    if (i > 0 && Dot(q, out[i - 1].Q) < 0.0) q = Scale(q, -1.0);
    out[i].Frame = key.Frame;
    out[i].Q = q;
  }
}

}  // namespace

void PrepareOrientationValues(std::span<const CAnimLineSRT> keys, std::vector<OrientationKey>& out) {
  std::vector<CAnimLineSRT> scratch;
  PutOrientationValues(InEvaluationOrder(keys, scratch), out);
}

void PrepareOrientationKeys(std::span<const CAnimLineSRT> keys, std::vector<OrientationKey>& out) {
  std::vector<CAnimLineSRT> scratch;
  const std::span<const CAnimLineSRT> ordered = InEvaluationOrder(keys, scratch);
  const std::size_t n = ordered.size();
  PutOrientationValues(ordered, out);
  // The turn from one key to the next is both the outgoing difference of
  // the first and the incoming one of the second: worked out once.
  Quaternion qp{0, 0, 0, 0};
  for (std::size_t i = 0; i < n; ++i) {
    const double t = ordered[i].Shape.x;
    const double c = ordered[i].Shape.y;
    const double b = ordered[i].Shape.z;
    const bool has_before = i > 0;
    const bool has_after = i + 1 < n;
    const Quaternion& q = out[i].Q;
    const Quaternion qm = qp;
    qp = has_after ? Log(Multiply(Conjugate(q), out[i + 1].Q)) : Quaternion{0, 0, 0, 0};
    double fp = 1.0;
    double fn = 1.0;
    SpacingFactors(has_before ? out[i - 1].Frame : 0, out[i].Frame,
                   has_after ? out[i + 1].Frame : 0, has_before, has_after, fp, fn);
    const double ksm = 0.5 * (1 - t) * (1 - c) * (1 + b) * fp;
    const double ksp = 0.5 * (1 - t) * (1 + c) * (1 - b) * fp;
    const double kdm = 0.5 * (1 - t) * (1 + c) * (1 + b) * fn;
    const double kdp = 0.5 * (1 - t) * (1 - c) * (1 - b) * fn;
    if (has_after) out[i].A = Multiply(q, Exp(Scale(Plus(Scale(qm, kdm), Scale(qp, kdp - 1.0)), 0.5)));
    if (has_before) out[i].B = Multiply(q, Exp(Scale(Plus(Scale(qm, 1.0 - ksm), Scale(qp, -ksp)), 0.5)));
  }
}

Quaternion EvaluateOrientationSegment(std::span<const OrientationKey> keys, std::size_t i, double frame) {
  const OrientationKey& k0 = keys[i];
  const OrientationKey& k1 = keys[i + 1];
  const double u = (frame - k0.Frame) / (static_cast<double>(k1.Frame) - k0.Frame);
  return Normalized(Slerp(Slerp(k0.Q, k1.Q, u), Slerp(k0.A, k1.B, u), 2.0 * u * (1.0 - u)));
}

Vec3d EvaluatePreparedVector(std::span<const VectorKeyTangents> keys, double frame) {
  std::size_t i = 0;
  if (!FindSegment(keys, frame, i)) return frame <= keys.front().Frame ? keys.front().Value : keys.back().Value;
  return EvaluateVectorSegment(keys, i, frame);
}

Quaternion EvaluatePreparedOrientation(std::span<const OrientationKey> keys, double frame) {
  std::size_t i = 0;
  if (!FindSegment(keys, frame, i)) return frame <= keys.front().Frame ? keys.front().Q : keys.back().Q;
  return EvaluateOrientationSegment(keys, i, frame);
}

CVector EvaluateVectorKeys(std::span<const CAnimLineSRT> keys, double frame, CVector rest) {
  if (keys.empty()) return rest;
  const std::vector<VectorKeyTangents> prepared = PrepareVectorKeys(keys);
  return ToCVector(EvaluatePreparedVector(prepared, frame));
}

Quaternion EvaluateOrientationKeys(std::span<const CAnimLineSRT> keys, double frame) {
  if (keys.empty()) return {};
  const std::vector<OrientationKey> prepared = PrepareOrientationKeys(keys);
  return EvaluatePreparedOrientation(prepared, frame);
}

Pose EvaluatePose(const CAnimChunkEx& channel, double frame) {
  Pose pose;
  pose.Position = EvaluateVectorKeys(channel.PositionKeys, frame, CVector{0.0f, 0.0f, 0.0f});
  pose.Size = EvaluateVectorKeys(channel.SizeKeys, frame, CVector{1.0f, 1.0f, 1.0f});
  pose.Orientation = EvaluateOrientationKeys(channel.Keys, frame);
  return pose;
}

CVector ApplyPose(const Pose& pose, CVector center, CVector v) {
  const Vec3d local{(static_cast<double>(v.x) - center.x) * pose.Size.x,
                    (static_cast<double>(v.y) - center.y) * pose.Size.y,
                    (static_cast<double>(v.z) - center.z) * pose.Size.z};
  const Vec3d turned = Rotate(pose.Orientation, local);
  return ToCVector({static_cast<double>(center.x) + turned[0] + pose.Position.x,
                    static_cast<double>(center.y) + turned[1] + pose.Position.y,
                    static_cast<double>(center.z) + turned[2] + pose.Position.z});
}

int LastKeyFrame(const CAnimChunkEx& channel) {
  bool any = false;
  int last = 0;
  for (const auto* list : {&channel.Keys, &channel.PositionKeys, &channel.SizeKeys}) {
    for (const CAnimLineSRT& key : *list) {
      if (!any || key.Frame > last) last = key.Frame;
      any = true;
    }
  }
  return last;
}

}  // namespace bk
