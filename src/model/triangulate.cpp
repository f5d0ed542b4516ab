#include "model/triangulate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace bk {
namespace {

struct P2 {
  double x;
  double y;
};

double Cross(P2 o, P2 a, P2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

double SignedArea(std::span<const P2> pts, std::span<const std::uint32_t> ring) {
  double area = 0.0;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    area += pts[ring[j]].x * pts[ring[i]].y - pts[ring[i]].x * pts[ring[j]].y;
  }
  return area * 0.5;
}

bool Same(P2 a, P2 b) { return a.x == b.x && a.y == b.y; }

// Whether segments ab and cd cross at a point inside both (touching at shared
// end points does not count).
bool Crosses(P2 a, P2 b, P2 c, P2 d) {
  if (Same(a, c) || Same(a, d) || Same(b, c) || Same(b, d)) return false;
  const double d1 = Cross(a, b, c);
  const double d2 = Cross(a, b, d);
  const double d3 = Cross(c, d, a);
  const double d4 = Cross(c, d, b);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool SegmentClear(std::span<const P2> pts, P2 a, P2 b, std::span<const std::uint32_t> ring) {
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    if (Crosses(a, b, pts[ring[j]], pts[ring[i]])) return false;
  }
  return true;
}

bool InsideTriangle(P2 a, P2 b, P2 c, P2 p) {
  return Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0;
}

// Splices `hole` (turning against the outer ring) into `ring` through the
// shortest bridge that crosses no edge; false when there is none.
bool Bridge(std::span<const P2> pts, std::vector<std::uint32_t>& ring,
            std::span<const std::uint32_t> hole,
            std::span<const std::vector<std::uint32_t>> other_holes) {
  struct Candidate {
    double distance;
    std::size_t ring_pos;
    std::size_t hole_pos;
  };
  std::vector<Candidate> candidates;
  for (std::size_t r = 0; r < ring.size(); ++r) {
    for (std::size_t h = 0; h < hole.size(); ++h) {
      const P2 a = pts[ring[r]];
      const P2 b = pts[hole[h]];
      candidates.push_back({(a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y), r, h});
    }
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& l, const Candidate& r) { return l.distance < r.distance; });
  for (const Candidate& c : candidates) {
    const P2 a = pts[ring[c.ring_pos]];
    const P2 b = pts[hole[c.hole_pos]];
    // The bridge must run inside the face at its ring end: within the corner's angle.
    const std::size_t n = ring.size();
    const P2 prev = pts[ring[(c.ring_pos + n - 1) % n]];
    const P2 next = pts[ring[(c.ring_pos + 1) % n]];
    const bool convex = Cross(prev, a, next) >= 0;
    const bool inside_angle = convex ? (Cross(a, next, b) >= 0 && Cross(prev, a, b) >= 0)
                                     : !(Cross(a, next, b) < 0 && Cross(prev, a, b) < 0);
    if (!inside_angle) continue;
    if (!SegmentClear(pts, a, b, ring) || !SegmentClear(pts, a, b, hole)) continue;
    bool clear = true;
    for (const auto& other : other_holes) clear = clear && SegmentClear(pts, a, b, other);
    if (!clear) continue;
    std::vector<std::uint32_t> spliced;
    spliced.reserve(ring.size() + hole.size() + 2);
    spliced.insert(spliced.end(), ring.begin(), ring.begin() + static_cast<std::ptrdiff_t>(c.ring_pos) + 1);
    for (std::size_t k = 0; k <= hole.size(); ++k) spliced.push_back(hole[(c.hole_pos + k) % hole.size()]);
    spliced.insert(spliced.end(), ring.begin() + static_cast<std::ptrdiff_t>(c.ring_pos), ring.end());
    ring = std::move(spliced);
    return true;
  }
  return false;
}

void ClipEars(std::span<const P2> pts, std::vector<std::uint32_t> ring,
              std::vector<std::uint32_t>& triangles) {
  while (ring.size() > 3) {
    const std::size_t n = ring.size();
    std::size_t ear = n;
    for (std::size_t i = 0; i < n && ear == n; ++i) {
      const std::uint32_t ia = ring[(i + n - 1) % n];
      const std::uint32_t ib = ring[i];
      const std::uint32_t ic = ring[(i + 1) % n];
      const P2 a = pts[ia];
      const P2 b = pts[ib];
      const P2 c = pts[ic];
      if (Cross(a, b, c) <= 0) continue;  // reflex or flat corner
      bool empty = true;
      for (std::size_t k = 0; k < n && empty; ++k) {
        const P2 p = pts[ring[k]];
        // Corners that coincide with the candidate's (bridge ends) do not block it.
        if (Same(p, a) || Same(p, b) || Same(p, c)) continue;
        empty = !InsideTriangle(a, b, c, p);
      }
      if (empty) ear = i;
    }
    // A polygon that is degenerate or self-crossing has no clean ear: cut
    // off a corner anyway so that every corner still ends up in a triangle.
    if (ear == n) ear = 0;
    triangles.insert(triangles.end(), {ring[(ear + n - 1) % n], ring[ear], ring[(ear + 1) % n]});
    ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(ear));
  }
  if (ring.size() == 3) triangles.insert(triangles.end(), ring.begin(), ring.end());
}

// The common convex quad needs no projection: both triangles of one diagonal
// turn the same way exactly when the quad is convex and planar enough for
// every corner to turn like the face. False when it is not such a quad.
bool SplitConvexQuad(std::span<const CVector> points, std::span<const std::uint32_t> outer,
                     std::vector<std::uint32_t>& triangles) {
  const CVector& a = points[outer[0]];
  const CVector& b = points[outer[1]];
  const CVector& c = points[outer[2]];
  const CVector& d = points[outer[3]];
  auto turn = [](const CVector& p, const CVector& q, const CVector& r) {
    const double ux = static_cast<double>(q.x) - p.x, uy = static_cast<double>(q.y) - p.y,
                 uz = static_cast<double>(q.z) - p.z;
    const double vx = static_cast<double>(r.x) - q.x, vy = static_cast<double>(r.y) - q.y,
                 vz = static_cast<double>(r.z) - q.z;
    return std::array<double, 3>{uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
  };
  const auto ta = turn(d, a, b);
  const auto tb = turn(a, b, c);
  const auto tc = turn(b, c, d);
  const auto td = turn(c, d, a);
  auto dot = [](const std::array<double, 3>& l, const std::array<double, 3>& r) {
    return l[0] * r[0] + l[1] * r[1] + l[2] * r[2];
  };
  if (!(dot(ta, tb) > 0 && dot(tb, tc) > 0 && dot(tc, td) > 0 && dot(td, ta) > 0 && dot(ta, tc) > 0 &&
        dot(tb, td) > 0)) {
    return false;
  }
  triangles.insert(triangles.end(), {outer[0], outer[1], outer[2], outer[0], outer[2], outer[3]});
  return true;
}

// An orthonormal basis (u, v) of a face's plane with u x v = n, the face's
// Newell normal, so the outer ring turns counter-clockwise in (u, v).
struct PlaneBasis {
  double ux, uy, uz;
  double vx, vy, vz;
};

// False when the ring spans no plane (all corners on a line or one point).
bool FacePlane(std::span<const CVector> points, std::span<const std::uint32_t> outer, PlaneBasis& basis) {
  double nx = 0.0;
  double ny = 0.0;
  double nz = 0.0;
  for (std::size_t i = 0, j = outer.size() - 1; i < outer.size(); j = i++) {
    const CVector& a = points[outer[j]];
    const CVector& b = points[outer[i]];
    nx += (static_cast<double>(a.y) - b.y) * (static_cast<double>(a.z) + b.z);
    ny += (static_cast<double>(a.z) - b.z) * (static_cast<double>(a.x) + b.x);
    nz += (static_cast<double>(a.x) - b.x) * (static_cast<double>(a.y) + b.y);
  }
  const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
  if (!(length > 0.0) || !std::isfinite(length)) return false;
  nx /= length;
  ny /= length;
  nz /= length;
  double ux = 0.0, uy = 0.0, uz = 0.0;
  if (std::fabs(nx) < 0.9) {
    ux = 0.0; uy = nz; uz = -ny;  // n x (1, 0, 0)
  } else {
    ux = -nz; uy = 0.0; uz = nx;  // n x (0, 1, 0)
  }
  const double ul = std::sqrt(ux * ux + uy * uy + uz * uz);
  ux /= ul; uy /= ul; uz /= ul;
  basis = {ux, uy, uz, ny * uz - nz * uy, nz * ux - nx * uz, nx * uy - ny * ux};
  return true;
}

// The corners a face uses, in index order, and each projected into its plane.
struct ProjectedCorners {
  std::vector<std::uint32_t> used;
  std::vector<P2> points;
  std::uint32_t Local(std::uint32_t index) const {
    return static_cast<std::uint32_t>(std::lower_bound(used.begin(), used.end(), index) - used.begin());
  }
};

ProjectedCorners Project(std::span<const CVector> points, std::span<const std::uint32_t> outer,
                         std::span<const std::vector<std::uint32_t>> holes, const PlaneBasis& b) {
  ProjectedCorners corners;
  std::vector<std::uint32_t>& used = corners.used;
  used.assign(outer.begin(), outer.end());
  for (const auto& hole : holes) used.insert(used.end(), hole.begin(), hole.end());
  std::sort(used.begin(), used.end());
  used.erase(std::unique(used.begin(), used.end()), used.end());
  corners.points.resize(used.size());
  for (std::size_t i = 0; i < used.size(); ++i) {
    const CVector& p = points[used[i]];
    corners.points[i] = {p.x * b.ux + p.y * b.uy + p.z * b.uz, p.x * b.vx + p.y * b.vy + p.z * b.vz};
  }
  return corners;
}

// Bridges every hole (turned against the outer ring) into `ring`, in order
// of their rightmost corner, farthest first, so that earlier bridges do not
// block later ones.
void BridgeHoles(const ProjectedCorners& corners, std::span<const std::vector<std::uint32_t>> holes,
                 std::vector<std::uint32_t>& ring) {
  const std::vector<P2>& projected = corners.points;
  std::vector<std::vector<std::uint32_t>> rings;
  for (const auto& hole : holes) {
    if (hole.size() < 3) continue;
    std::vector<std::uint32_t> h;
    for (std::uint32_t i : hole) h.push_back(corners.Local(i));
    if (SignedArea(projected, h) > 0) std::reverse(h.begin(), h.end());
    rings.push_back(std::move(h));
  }
  auto rightmost = [&](const std::vector<std::uint32_t>& h) {
    double m = -INFINITY;
    for (std::uint32_t i : h) m = std::max(m, projected[i].x);
    return m;
  };
  std::sort(rings.begin(), rings.end(),
            [&](const auto& a, const auto& b) { return rightmost(a) > rightmost(b); });
  for (std::size_t k = 0; k < rings.size(); ++k) {
    std::span<const std::vector<std::uint32_t>> rest(rings.data() + k + 1, rings.size() - k - 1);
    Bridge(projected, ring, rings[k], rest);
  }
}

}  // namespace

void TriangulateFace(std::span<const CVector> points, std::span<const std::uint32_t> outer,
                     std::span<const std::vector<std::uint32_t>> holes,
                     std::vector<std::uint32_t>& triangles) {
  if (outer.size() < 3) return;
  if (outer.size() == 3 && holes.empty()) {
    triangles.insert(triangles.end(), outer.begin(), outer.end());
    return;
  }
  if (outer.size() == 4 && holes.empty() && SplitConvexQuad(points, outer, triangles)) return;
  PlaneBasis basis;
  if (!FacePlane(points, outer, basis)) {
    // Nothing visible to draw, but keep the corners connected as a fan.
    for (std::size_t i = 1; i + 1 < outer.size(); ++i) {
      triangles.insert(triangles.end(), {outer[0], outer[i], outer[i + 1]});
    }
    return;
  }
  const ProjectedCorners corners = Project(points, outer, holes, basis);
  std::vector<std::uint32_t> ring;
  for (std::uint32_t i : outer) ring.push_back(corners.Local(i));
  BridgeHoles(corners, holes, ring);
  const std::size_t first = triangles.size();
  ClipEars(corners.points, std::move(ring), triangles);
  for (std::size_t i = first; i < triangles.size(); ++i) triangles[i] = corners.used[triangles[i]];
}

}  // namespace bk
