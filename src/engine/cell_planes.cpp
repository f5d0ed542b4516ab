#include <algorithm>
#include <cmath>

#include "engine/cell_cut.h"

namespace bk {
namespace {

double Dot(const Point3& a, const Point3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Point3 Cross(const Point3& a, const Point3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Point3 Sub(const Point3& a, const Point3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

double Length(const Point3& a) { return std::sqrt(Dot(a, a)); }

}  // namespace

CellPlanes::CellPlanes(std::vector<Point3> sites, CVector lower, CVector upper)
    : sites_(std::move(sites)), lower_{lower.x, lower.y, lower.z}, upper_{upper.x, upper.y, upper.z} {}

CellPlanes::Plane CellPlanes::SitePlane(std::int32_t p, std::int32_t q) const {
  const Point3& a = sites_[static_cast<std::size_t>(p)];
  const Point3& b = sites_[static_cast<std::size_t>(q)];
  const Point3 normal = Sub(b, a);
  const Point3 middle{(a[0] + b[0]) * 0.5, (a[1] + b[1]) * 0.5, (a[2] + b[2]) * 0.5};
  return {normal, Dot(normal, middle)};
}

CellPlanes::Plane CellPlanes::WallPlane(std::int32_t wall) const {
  const std::size_t axis = static_cast<std::size_t>((-wall - 1) / 2);
  const bool upper = (-wall - 1) % 2 == 1;
  Point3 normal{0, 0, 0};
  normal[axis] = upper ? 1.0 : -1.0;
  return {normal, upper ? upper_[axis] : -lower_[axis]};
}

double CellPlanes::Side(std::int32_t p, std::int32_t q, const Point3& x) const {
  const Plane plane = SitePlane(p, q);
  return Dot(plane.normal, x) - plane.offset;
}

CellPlanes::Halfspace CellPlanes::SideOf(std::int32_t cell, std::int32_t neighbour) const {
  const Plane plane = SitePlane(std::min(cell, neighbour), std::max(cell, neighbour));
  return {plane.normal, plane.offset, cell < neighbour};
}

bool CellPlanes::Owns(std::int32_t cell, std::int32_t neighbour, const Point3& x) const {
  const std::int32_t p = std::min(cell, neighbour);
  const double d = Side(p, std::max(cell, neighbour), x);
  return cell == p ? d <= 0.0 : d > 0.0;
}

namespace {

// Cramer's rule; false when the planes do not meet in one point.
bool Solve(const Point3 n[3], const double d[3], Point3& out) {
  const Point3 c12 = Cross(n[1], n[2]);
  const double det = Dot(n[0], c12);
  const double scale = Length(n[0]) * Length(n[1]) * Length(n[2]);
  if (!(std::fabs(det) > 1e-12 * scale)) return false;
  const Point3 c20 = Cross(n[2], n[0]);
  const Point3 c01 = Cross(n[0], n[1]);
  for (std::size_t k = 0; k < 3; ++k) out[k] = (d[0] * c12[k] + d[1] * c20[k] + d[2] * c01[k]) / det;
  return std::isfinite(out[0]) && std::isfinite(out[1]) && std::isfinite(out[2]);
}

}  // namespace

bool CellPlanes::TriangleEdgePoint(const std::array<Point3, 3>& triangle, std::array<std::int32_t, 3> triple,
                                   Point3& out) const {
  std::sort(triple.begin(), triple.end());
  const Plane first = SitePlane(triple[0], triple[1]);
  const Plane second = SitePlane(triple[0], triple[2]);
  const Point3 face = Cross(Sub(triangle[1], triangle[0]), Sub(triangle[2], triangle[0]));
  const Point3 normals[3] = {face, first.normal, second.normal};
  const double offsets[3] = {Dot(face, triangle[0]), first.offset, second.offset};
  return Solve(normals, offsets, out);
}

Point3 CellPlanes::Corner(std::array<std::int32_t, 4> ids) const {
  std::sort(ids.begin(), ids.end());
  Point3 normals[3];
  double offsets[3];
  std::size_t count = 0;
  std::int32_t first_site = -1;
  for (std::int32_t id : ids) {
    if (count == 3) break;
    Plane plane{};
    if (id < 0) {
      plane = WallPlane(id);
    } else if (first_site < 0) {
      first_site = id;
      continue;
    } else {
      plane = SitePlane(first_site, id);
    }
    normals[count] = plane.normal;
    offsets[count] = plane.offset;
    ++count;
  }
  Point3 out{};
  if (count < 3 || !Solve(normals, offsets, out)) {
    out = first_site >= 0 ? sites_[static_cast<std::size_t>(first_site)] : lower_;
  }
  return Clamp(out);
}

Point3 CellPlanes::Clamp(Point3 p) const {
  for (std::size_t k = 0; k < 3; ++k) p[k] = std::clamp(p[k], lower_[k], upper_[k]);
  return p;
}

}  // namespace bk
