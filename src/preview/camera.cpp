#include "preview/camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bk {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

}  // namespace

std::optional<ViewKind> ParseViewKind(std::string_view name) {
  if (name == "front") return ViewKind::Front;
  if (name == "side") return ViewKind::Side;
  if (name == "top") return ViewKind::Top;
  if (name == "iso") return ViewKind::Iso;
  return std::nullopt;
}

Camera Camera::Framing(const Bounds& bounds, ViewKind view) {
  CVector corners[8];
  for (int corner = 0; corner < 8; ++corner) {
    corners[corner] = {(corner & 1) ? bounds.Max.x : bounds.Min.x,
                       (corner & 2) ? bounds.Max.y : bounds.Min.y,
                       (corner & 4) ? bounds.Max.z : bounds.Min.z};
  }
  return Framing(bounds, view, bounds.IsEmpty() ? std::span<const CVector>() : corners);
}

Camera Camera::Framing(const Bounds& bounds, ViewKind view, std::span<const CVector> points) {
  Camera camera;
  switch (view) {
    case ViewKind::Front: camera.Yaw = 0.0; camera.Pitch = 0.0; break;
    case ViewKind::Side: camera.Yaw = 90.0; camera.Pitch = 0.0; break;
    case ViewKind::Top: camera.Yaw = 0.0; camera.Pitch = 90.0; break;
    case ViewKind::Iso: camera.Yaw = -35.0; camera.Pitch = 30.0; break;
  }
  camera.Target = bounds.Center();
  double radius = bounds.Radius();
  if (!(radius > 1e-6) || !std::isfinite(radius)) radius = 1.0;
  camera.Near = radius * 1e-3;
  camera.Distance = radius / std::sin(camera.FieldOfView * 0.5 * kDegree);
  if (points.empty()) return camera;
  // Close in until the point nearest to the image's edge touches it (with a
  // small margin): a bounding sphere would leave flat or sparse scenes, such
  // as pieces spread in a plane, small in the middle.
  const CameraBasis b = BasisOf(camera);
  const double t = std::tan(camera.FieldOfView * 0.5 * kDegree) / 1.06;
  double needed = 0.0;
  for (const CVector& p : points) {
    const double d[3] = {double(p.x) - camera.Target.x, double(p.y) - camera.Target.y,
                         double(p.z) - camera.Target.z};
    if (!std::isfinite(d[0]) || !std::isfinite(d[1]) || !std::isfinite(d[2])) continue;
    const double x = d[0] * b.right[0] + d[1] * b.right[1] + d[2] * b.right[2];
    const double y = d[0] * b.up[0] + d[1] * b.up[1] + d[2] * b.up[2];
    const double z = d[0] * b.forward[0] + d[1] * b.forward[1] + d[2] * b.forward[2];
    needed = std::max({needed, std::fabs(x) / t - z, std::fabs(y) / t - z, 0.1 * radius - z});
  }
  if (needed > 0.0 && std::isfinite(needed)) camera.Distance = needed;
  return camera;
}

void Camera::Orbit(double dyaw, double dpitch) {
  Yaw = std::remainder(Yaw + dyaw, 360.0);
  Pitch = std::clamp(Pitch + dpitch, -89.9, 90.0);
}

void Camera::Pan(double dx, double dy) {
  const CameraBasis b = BasisOf(*this);
  const double visible = 2.0 * Distance * std::tan(FieldOfView * 0.5 * kDegree);
  const double sx = -dx * visible, sy = -dy * visible;
  Target = {static_cast<float>(Target.x + sx * b.right[0] + sy * b.up[0]),
            static_cast<float>(Target.y + sx * b.right[1] + sy * b.up[1]),
            static_cast<float>(Target.z + sx * b.right[2] + sy * b.up[2])};
}

void Camera::Zoom(double factor) {
  if (!(factor > 0.0) || !std::isfinite(factor)) return;
  Distance = std::clamp(Distance / factor, Near * 2.0, 1e9);
}

CameraBasis BasisOf(const Camera& camera) {
  const double yaw = camera.Yaw * kDegree, pitch = camera.Pitch * kDegree;
  const double cp = std::cos(pitch), sp = std::sin(pitch);
  const double cy = std::cos(yaw), sy = std::sin(yaw);
  // Unit vector from the target to the eye.
  const double back[3] = {cp * sy, -cp * cy, sp};
  CameraBasis b{};
  for (int i = 0; i < 3; ++i) b.forward[i] = -back[i];
  b.eye[0] = camera.Target.x + camera.Distance * back[0];
  b.eye[1] = camera.Target.y + camera.Distance * back[1];
  b.eye[2] = camera.Target.z + camera.Distance * back[2];
  b.right[0] = cy;
  b.right[1] = sy;
  b.right[2] = 0.0;
  // up = right x forward
  b.up[0] = b.right[1] * b.forward[2] - b.right[2] * b.forward[1];
  b.up[1] = b.right[2] * b.forward[0] - b.right[0] * b.forward[2];
  b.up[2] = b.right[0] * b.forward[1] - b.right[1] * b.forward[0];
  return b;
}

}  // namespace bk
