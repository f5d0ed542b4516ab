#include <algorithm>
#include <cmath>
#include <map>

#include "engine/cell_cut.h"

namespace bk {
namespace {

double Dot(const Point3& a, const Point3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

struct P2 {
  double x;
  double y;
};

double Area(const std::vector<P2>& ring) {
  double area = 0.0;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    area += ring[j].x * ring[i].y - ring[i].x * ring[j].y;
  }
  return area * 0.5;
}

bool InsideRing(const std::vector<P2>& ring, P2 p) {
  bool inside = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    if ((ring[i].y > p.y) != (ring[j].y > p.y) &&
        p.x < (ring[j].x - ring[i].x) * (p.y - ring[i].y) / (ring[j].y - ring[i].y) + ring[i].x) {
      inside = !inside;
    }
  }
  return inside;
}

// The facet's plane seen so that the surface's turning sense is
// counter-clockwise: caps, chains and the boundary walk all turn that way.
struct FacetFrame {
  Point3 u;
  Point3 v;
  P2 Of(const Point3& p) const { return {Dot(p, u), Dot(p, v)}; }
};

FacetFrame FrameFor(const Point3& m) {
  Point3 u = std::fabs(m[0]) < 0.9 ? Point3{0.0, m[2], -m[1]} : Point3{-m[2], 0.0, m[0]};
  const double length = std::sqrt(Dot(u, u));
  for (double& c : u) c /= length;
  const Point3 v{m[1] * u[2] - m[2] * u[1], m[2] * u[0] - m[0] * u[2], m[0] * u[1] - m[1] * u[0]};
  return {u, v};
}

// The facet's corners in turning order, with their places in the frame.
struct Boundary {
  std::vector<std::int32_t> corners;
  std::vector<P2> points;

  // Where on the boundary p lies: edge index plus the fraction along it,
  // taking the nearest edge; `distance` is how far off the boundary p is.
  double Position(P2 p, double& distance) const {
    const std::size_t n = points.size();
    double best = INFINITY;
    double position = 0.0;
    for (std::size_t e = 0; e < n; ++e) {
      const P2 a = points[e];
      const P2 b = points[(e + 1) % n];
      const double dx = b.x - a.x;
      const double dy = b.y - a.y;
      const double length2 = dx * dx + dy * dy;
      const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
      const double ex = a.x + t * dx - p.x;
      const double ey = a.y + t * dy - p.y;
      const double d = ex * ex + ey * ey;
      if (d < best) {
        best = d;
        position = static_cast<double>(e) + t;
      }
    }
    distance = std::sqrt(best);
    return position;
  }
};

Boundary MakeBoundary(const VoronoiCell& cell, const CellFacet& facet, const FacetFrame& frame) {
  Boundary boundary;
  boundary.corners = facet.corners;
  for (std::int32_t c : facet.corners) boundary.points.push_back(frame.Of(cell.corners[static_cast<std::size_t>(c)]));
  if (Area(boundary.points) < 0) {
    std::reverse(boundary.corners.begin(), boundary.corners.end());
    std::reverse(boundary.points.begin(), boundary.points.end());
  }
  return boundary;
}

using Chain = std::vector<CutPoint>;

// Joins the cut segments end to start into chains (they end on the facet's
// boundary) and loops (they close inside the facet).
void JoinSegments(const std::vector<CapEdge>& edges, std::vector<Chain>& chains, std::vector<Chain>& loops) {
  std::map<Point3, std::vector<std::size_t>> starting;
  std::map<Point3, int> ending;
  for (std::size_t i = 0; i < edges.size(); ++i) {
    starting[edges[i].from.p].push_back(i);
    ++ending[edges[i].to.p];
  }
  std::vector<char> used(edges.size(), 0);
  auto follow = [&](std::size_t first) {
    Chain chain{edges[first].from};
    std::size_t at = first;
    for (;;) {
      used[at] = 1;
      chain.push_back(edges[at].to);
      auto next = starting.find(edges[at].to.p);
      if (next == starting.end()) return std::make_pair(chain, false);
      auto unused = std::find_if(next->second.begin(), next->second.end(), [&](std::size_t k) { return !used[k]; });
      if (unused == next->second.end()) {
        const bool closed = edges[at].to.p == chain.front().p;
        if (closed) chain.pop_back();
        return std::make_pair(chain, closed);
      }
      at = *unused;
    }
  };
  for (std::size_t i = 0; i < edges.size(); ++i) {
    if (!used[i] && ending.find(edges[i].from.p) == ending.end()) chains.push_back(follow(i).first);
  }
  for (std::size_t i = 0; i < edges.size(); ++i) {
    if (used[i]) continue;
    auto [chain, closed] = follow(i);
    (closed ? loops : chains).push_back(std::move(chain));
  }
}

// Closes the chains into loops along the facet's boundary: from each
// chain's end, forward to the nearest chain start, taking the corners
// passed. Marks the corners taken (inside) and those passed over (outside).
bool WalkBoundary(const VoronoiCell& cell, const Boundary& boundary, const FacetFrame& frame,
                  const std::vector<Chain>& chains, std::vector<int>& corner_state, std::vector<Chain>& loops) {
  const double m = static_cast<double>(boundary.points.size());
  const double scale = std::sqrt(std::fabs(Area(boundary.points))) + 1e-300;
  std::vector<double> starts;
  std::vector<double> ends;
  for (const Chain& chain : chains) {
    double d0 = 0.0;
    double d1 = 0.0;
    starts.push_back(boundary.Position(frame.Of(chain.front().p), d0));
    ends.push_back(boundary.Position(frame.Of(chain.back().p), d1));
    if (d0 > 1e-6 * scale || d1 > 1e-6 * scale) return false;
  }
  constexpr double kSame = 1e-9;
  auto forward = [&](double from, double to) {
    double d = std::fmod(to - from + m, m);
    return d > m - kSame ? 0.0 : d;
  };
  std::vector<char> taken(boundary.corners.size(), 0);
  std::vector<char> done(chains.size(), 0);
  for (std::size_t first = 0; first < chains.size(); ++first) {
    if (done[first]) continue;
    Chain loop;
    std::size_t at = first;
    do {
      if (done[at]) return false;
      done[at] = 1;
      loop.insert(loop.end(), chains[at].begin(), chains[at].end());
      std::size_t next = 0;
      double gap = INFINITY;
      for (std::size_t k = 0; k < chains.size(); ++k) {
        const double d = forward(ends[at], starts[k]);
        if (d < gap && (!done[k] || k == first)) {
          gap = d;
          next = k;
        }
      }
      if (gap == INFINITY) return false;
      std::vector<std::pair<double, std::size_t>> passed;
      for (std::size_t c = 0; c < boundary.corners.size(); ++c) {
        const double d = forward(ends[at], static_cast<double>(c));
        if (d > 1e-7 && d < gap - 1e-7) passed.emplace_back(d, c);
      }
      std::sort(passed.begin(), passed.end());
      for (const auto& [d, c] : passed) {
        taken[c] = 1;
        loop.push_back({cell.corners[static_cast<std::size_t>(boundary.corners[c])]});
      }
      at = next;
    } while (at != first);
    loops.push_back(std::move(loop));
  }
  for (std::size_t c = 0; c < boundary.corners.size(); ++c) {
    bool near_end = false;
    for (std::size_t k = 0; k < chains.size(); ++k) {
      const double cd = static_cast<double>(c);
      near_end = near_end || std::fabs(forward(ends[k], cd)) < 1e-7 || forward(cd, ends[k]) < 1e-7 ||
                 forward(starts[k], cd) < 1e-7 || forward(cd, starts[k]) < 1e-7;
    }
    int& state = corner_state[static_cast<std::size_t>(boundary.corners[c])];
    if (state == 0 && (taken[c] || !near_end)) state = taken[c] ? 1 : -1;
  }
  return true;
}

// Groups loops into cap faces: each hole goes with the smallest loop around it.
std::vector<CapFace> NestLoops(const FacetFrame& frame, std::vector<Chain> loops) {
  std::vector<std::vector<P2>> flat;
  std::vector<double> area;
  for (const Chain& loop : loops) {
    std::vector<P2> ring;
    for (const CutPoint& p : loop) ring.push_back(frame.Of(p.p));
    area.push_back(Area(ring));
    flat.push_back(std::move(ring));
  }
  std::vector<CapFace> caps;
  std::vector<std::size_t> cap_of(loops.size(), SIZE_MAX);
  for (std::size_t i = 0; i < loops.size(); ++i) {
    if (area[i] > 0 && loops[i].size() >= 3) {
      cap_of[i] = caps.size();
      caps.push_back({loops[i], {}});
    }
  }
  for (std::size_t i = 0; i < loops.size(); ++i) {
    if (!(area[i] < 0) || loops[i].size() < 3) continue;
    std::size_t best = SIZE_MAX;
    for (std::size_t o = 0; o < loops.size(); ++o) {
      if (cap_of[o] == SIZE_MAX || !InsideRing(flat[o], flat[i][0])) continue;
      if (best == SIZE_MAX || area[o] < area[best]) best = o;
    }
    if (best != SIZE_MAX) caps[cap_of[best]].holes.push_back(std::move(loops[i]));
  }
  return caps;
}

}  // namespace

Point3 FacetNormal(const CellPlanes& planes, const VoronoiCell& cell, std::size_t facet) {
  const std::int32_t n = cell.facets[facet].neighbour;
  Point3 normal{0, 0, 0};
  if (n < 0) {
    normal[static_cast<std::size_t>((-n - 1) / 2)] = (-n - 1) % 2 == 1 ? 1.0 : -1.0;
    return normal;
  }
  const Point3& a = planes.Sites()[static_cast<std::size_t>(cell.site)];
  const Point3& b = planes.Sites()[static_cast<std::size_t>(n)];
  normal = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  const double length = std::sqrt(Dot(normal, normal));
  for (double& c : normal) c /= length;
  return normal;
}

Point3 FacetCentre(const VoronoiCell& cell, std::size_t facet) {
  Point3 sum{0, 0, 0};
  const auto& corners = cell.facets[facet].corners;
  for (std::int32_t c : corners) {
    for (std::size_t k = 0; k < 3; ++k) sum[k] += cell.corners[static_cast<std::size_t>(c)][k];
  }
  for (double& c : sum) c /= static_cast<double>(std::max<std::size_t>(corners.size(), 1));
  return sum;
}

CapFace WholeFacet(const CellPlanes& planes, const VoronoiCell& cell, std::size_t facet, int orientation) {
  Point3 m = FacetNormal(planes, cell, facet);
  for (double& c : m) c *= orientation;
  const Boundary boundary = MakeBoundary(cell, cell.facets[facet], FrameFor(m));
  CapFace cap;
  for (std::int32_t c : boundary.corners) cap.outer.push_back({cell.corners[static_cast<std::size_t>(c)]});
  return cap;
}

bool CapFacet(const CellPlanes& planes, const VoronoiCell& cell, std::size_t facet,
              const std::vector<CapEdge>& edges, int orientation, std::vector<int>& corner_state,
              std::vector<CapFace>& caps) {
  Point3 m = FacetNormal(planes, cell, facet);
  for (double& c : m) c *= orientation;
  const FacetFrame frame = FrameFor(m);
  const Boundary boundary = MakeBoundary(cell, cell.facets[facet], frame);
  std::vector<Chain> chains;
  std::vector<Chain> loops;
  JoinSegments(edges, chains, loops);
  if (!chains.empty()) {
    // A surface that does not close on the facet leaves the facet uncapped.
    if (!WalkBoundary(cell, boundary, frame, chains, corner_state, loops)) return true;
    caps = NestLoops(frame, std::move(loops));
    return true;
  }
  int state = 0;
  for (std::int32_t c : boundary.corners) state = state != 0 ? state : corner_state[static_cast<std::size_t>(c)];
  if (state == 0 && !loops.empty()) {
    // The largest loop is outermost: a hole in it means the facet's rim is inside.
    double largest = 0.0;
    for (const Chain& loop : loops) {
      std::vector<P2> ring;
      for (const CutPoint& p : loop) ring.push_back(frame.Of(p.p));
      const double a = Area(ring);
      if (std::fabs(a) > std::fabs(largest)) largest = a;
    }
    state = largest < 0 ? 1 : -1;
  }
  if (state == 0) return false;
  for (std::int32_t c : boundary.corners) {
    int& corner = corner_state[static_cast<std::size_t>(c)];
    if (corner == 0) corner = state;
  }
  if (state > 0) {
    Chain rim;
    for (std::int32_t c : boundary.corners) rim.push_back({cell.corners[static_cast<std::size_t>(c)]});
    loops.push_back(std::move(rim));
  }
  caps = NestLoops(frame, std::move(loops));
  return true;
}

}  // namespace bk
