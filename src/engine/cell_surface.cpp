#include "engine/cell_surface.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "cob/poly_chunk.h"

namespace bk {
namespace {

// Union-find over welded vertex ids, for the shells.
struct Components {
  std::vector<std::uint32_t> parent;
  explicit Components(std::size_t n) : parent(n) { std::iota(parent.begin(), parent.end(), 0u); }
  std::uint32_t Find(std::uint32_t x) {
    while (parent[x] != x) x = parent[x] = parent[parent[x]];
    return x;
  }
  void Join(std::uint32_t a, std::uint32_t b) { parent[Find(a)] = Find(b); }
};

Point3 ToPoint(const CVector& v) { return {v.x, v.y, v.z}; }

double Det(const Point3& a, const Point3& b, const Point3& c) {
  return a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
         a[2] * (b[0] * c[1] - b[1] * c[0]);
}

// The sign an edge function takes at zero, so that a ray through an edge
// shared by two triangles counts in exactly one of them.
int TieSign(double py, double pz, double qy, double qz) {
  return (py < qy || (py == qy && pz < qz)) ? 1 : -1;
}

}  // namespace

CellSurface::CellSurface(const CPolyChunk& source) : source_(source) {
  WeldVertices();
  GroupUnits();
  FindShells();
  BuildGrid();
}

const CFace& CellSurface::Face(std::uint32_t index) const { return *source_.Faces[index]; }

CUvPoint CellSurface::Uv(std::uint32_t uv_index) const {
  return uv_index < source_.UvPoints.size() ? *source_.UvPoints[uv_index] : CUvPoint{};
}

void CellSurface::WeldVertices() {
  const auto& vertices = source_.Vertices;
  std::vector<std::uint32_t> order(vertices.size());
  std::iota(order.begin(), order.end(), 0u);
  auto less = [&](std::uint32_t a, std::uint32_t b) {
    const CVector& p = *vertices[a];
    const CVector& q = *vertices[b];
    if (p.x != q.x) return p.x < q.x;
    if (p.y != q.y) return p.y < q.y;
    if (p.z != q.z) return p.z < q.z;
    return a < b;
  };
  std::sort(order.begin(), order.end(), less);
  weld_.assign(vertices.size(), 0);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const CVector& p = *vertices[order[k]];
    if (positions_.empty() || !(positions_.back() == p)) positions_.push_back(p);
    weld_[order[k]] = static_cast<std::uint32_t>(positions_.size() - 1);
  }
  if (positions_.empty()) return;
  lower_ = upper_ = positions_.front();
  for (const CVector& p : positions_) {
    lower_ = {std::min(lower_.x, p.x), std::min(lower_.y, p.y), std::min(lower_.z, p.z)};
    upper_ = {std::max(upper_.x, p.x), std::max(upper_.y, p.y), std::max(upper_.z, p.z)};
  }
}

void CellSurface::GroupUnits() {
  const auto& faces = source_.Faces;
  for (std::uint32_t i = 0; i < faces.size(); ++i) {
    if (faces[i]->IsHole() && !units_.empty() &&
        units_.back().first_face + units_.back().hole_count + 1 == i) {
      ++units_.back().hole_count;
    } else {
      units_.push_back({i, 0, 0});
    }
  }
}

void CellSurface::FindShells() {
  Components components(positions_.size());
  struct EdgeUse {
    std::uint64_t key;
    int direction;
    std::uint32_t unit;
  };
  std::vector<EdgeUse> edges;
  for (std::uint32_t u = 0; u < units_.size(); ++u) {
    const Unit& unit = units_[u];
    for (std::uint32_t f = unit.first_face; f <= unit.first_face + unit.hole_count; ++f) {
      const IndexList& ring = Face(f).VertexIndices;
      for (std::size_t i = 0; i < ring.size(); ++i) {
        const std::uint32_t a = Weld(ring[i]);
        const std::uint32_t b = Weld(ring[(i + 1) % ring.size()]);
        components.Join(a, b);
        if (a == b) continue;
        const std::uint64_t key = (std::uint64_t{std::min(a, b)} << 32) | std::max(a, b);
        edges.push_back({key, a < b ? 1 : -1, u});
      }
    }
  }
  std::vector<std::int32_t> shell_of_root(positions_.size(), -1);
  for (Unit& unit : units_) {
    const IndexList& ring = Face(unit.first_face).VertexIndices;
    if (ring.empty()) continue;
    std::int32_t& shell = shell_of_root[components.Find(Weld(ring[0]))];
    if (shell < 0) {
      shell = static_cast<std::int32_t>(shell_closed_.size());
      shell_closed_.push_back(1);
    }
    unit.shell = shell;
  }
  if (shell_closed_.empty()) shell_closed_.push_back(0);
  // A shell is closed when each of its edges is used twice, once each way.
  std::sort(edges.begin(), edges.end(), [](const EdgeUse& l, const EdgeUse& r) { return l.key < r.key; });
  for (std::size_t i = 0; i < edges.size();) {
    std::size_t j = i;
    int sum = 0;
    while (j < edges.size() && edges[j].key == edges[i].key) sum += edges[j++].direction;
    if (j - i != 2 || sum != 0) {
      for (std::size_t k = i; k < j; ++k) shell_closed_[static_cast<std::size_t>(units_[edges[k].unit].shell)] = 0;
    }
    i = j;
  }
  for (const Unit& unit : units_) {
    if (!ShellClosed(unit.shell)) continue;
    for (std::uint32_t f = unit.first_face; f <= unit.first_face + unit.hole_count; ++f) {
      const IndexList& ring = Face(f).VertexIndices;
      for (std::size_t i = 1; i + 1 < ring.size(); ++i) {
        closed_volume_ += Det(ToPoint(Position(Weld(ring[0]))), ToPoint(Position(Weld(ring[i]))),
                              ToPoint(Position(Weld(ring[i + 1])))) / 6.0;
      }
    }
  }
}

std::int32_t CellSurface::OpenShellCount() const {
  return static_cast<std::int32_t>(std::count(shell_closed_.begin(), shell_closed_.end(), 0));
}

std::array<int, 3> CellSurface::CellOf(const Point3& p) const {
  const double lo[3] = {lower_.x, lower_.y, lower_.z};
  std::array<int, 3> cell{};
  for (int k = 0; k < 3; ++k) {
    double t = std::floor((p[static_cast<std::size_t>(k)] - lo[k]) / cell_size_[static_cast<std::size_t>(k)]);
    if (!(t >= 0.0)) t = 0.0;  // NaN too
    cell[static_cast<std::size_t>(k)] =
        static_cast<int>(std::clamp(t, 0.0, static_cast<double>(dims_[static_cast<std::size_t>(k)] - 1)));
  }
  return cell;
}

void CellSurface::BuildGrid() {
  const double extent[3] = {double{upper_.x} - lower_.x, double{upper_.y} - lower_.y,
                            double{upper_.z} - lower_.z};
  // About two grid cells per face, shaped like the box; flat axes get one.
  const double target = std::clamp(2.0 * static_cast<double>(units_.size()), 1.0, 8.0e6);
  double volume = 1.0;
  int spans = 0;
  for (double e : extent) {
    if (e > 0) {
      volume *= e;
      ++spans;
    }
  }
  const double edge = spans > 0 ? std::pow(volume / target, 1.0 / spans) : 1.0;
  for (std::size_t k = 0; k < 3; ++k) {
    dims_[k] = extent[k] > 0 ? static_cast<int>(std::clamp(extent[k] / edge, 1.0, 1024.0)) : 1;
    cell_size_[k] = extent[k] > 0 ? extent[k] / dims_[k] : 1.0;
  }
  const std::size_t cells = static_cast<std::size_t>(dims_[0]) * dims_[1] * dims_[2];
  auto for_each_cell = [&](const Unit& unit, auto&& visit) {
    Point3 lo{INFINITY, INFINITY, INFINITY};
    Point3 hi{-INFINITY, -INFINITY, -INFINITY};
    for (std::uint32_t f = unit.first_face; f <= unit.first_face + unit.hole_count; ++f) {
      for (std::uint32_t v : Face(f).VertexIndices) {
        const Point3 p = ToPoint(Position(Weld(v)));
        for (std::size_t k = 0; k < 3; ++k) {
          lo[k] = std::min(lo[k], p[k]);
          hi[k] = std::max(hi[k], p[k]);
        }
      }
    }
    if (lo[0] > hi[0]) return;
    const auto a = CellOf(lo);
    const auto b = CellOf(hi);
    for (int z = a[2]; z <= b[2]; ++z)
      for (int y = a[1]; y <= b[1]; ++y)
        for (int x = a[0]; x <= b[0]; ++x) visit((static_cast<std::size_t>(z) * dims_[1] + y) * dims_[0] + x);
  };
  cell_start_.assign(cells + 1, 0);
  for (const Unit& unit : units_) for_each_cell(unit, [&](std::size_t c) { ++cell_start_[c + 1]; });
  for (std::size_t c = 0; c < cells; ++c) cell_start_[c + 1] += cell_start_[c];
  cell_units_.resize(cell_start_[cells]);
  std::vector<std::uint32_t> fill(cell_start_.begin(), cell_start_.end() - 1);
  for (std::uint32_t u = 0; u < units_.size(); ++u) {
    for_each_cell(units_[u], [&](std::size_t c) { cell_units_[fill[c]++] = u; });
  }
  stamp_.assign(units_.size(), 0);
}

void CellSurface::UnitsNear(const Point3& lo, const Point3& hi, std::vector<std::uint32_t>& out) const {
  out.clear();
  if (++stamp_now_ == 0) {
    std::fill(stamp_.begin(), stamp_.end(), 0);
    stamp_now_ = 1;
  }
  const double upper[3] = {upper_.x, upper_.y, upper_.z};
  const double lower[3] = {lower_.x, lower_.y, lower_.z};
  for (std::size_t k = 0; k < 3; ++k) {
    if (hi[k] < lower[k] || lo[k] > upper[k]) return;
  }
  const auto a = CellOf(lo);
  const auto b = CellOf(hi);
  for (int z = a[2]; z <= b[2]; ++z) {
    for (int y = a[1]; y <= b[1]; ++y) {
      for (int x = a[0]; x <= b[0]; ++x) {
        const std::size_t c = (static_cast<std::size_t>(z) * dims_[1] + y) * dims_[0] + x;
        for (std::uint32_t i = cell_start_[c]; i < cell_start_[c + 1]; ++i) {
          const std::uint32_t u = cell_units_[i];
          if (stamp_[u] == stamp_now_) continue;
          stamp_[u] = stamp_now_;
          out.push_back(u);
        }
      }
    }
  }
}

int CellSurface::UnitWinding(const Unit& unit, const Point3& p, int axis) const {
  const std::size_t ax = static_cast<std::size_t>(axis);
  const std::size_t u = (ax + 1) % 3;
  const std::size_t v = (ax + 2) % 3;
  int winding = 0;
  for (std::uint32_t f = unit.first_face; f <= unit.first_face + unit.hole_count; ++f) {
    const IndexList& ring = Face(f).VertexIndices;
    if (ring.size() < 3) continue;
    const Point3 a = ToPoint(Position(Weld(ring[0])));
    for (std::size_t i = 1; i + 1 < ring.size(); ++i) {
      const Point3 b = ToPoint(Position(Weld(ring[i])));
      const Point3 c = ToPoint(Position(Weld(ring[i + 1])));
      const Point3* corner[3] = {&a, &b, &c};
      double w[3];
      int sign[3];
      for (int e = 0; e < 3; ++e) {
        const Point3& s = *corner[(e + 1) % 3];
        const Point3& t = *corner[(e + 2) % 3];
        w[e] = (t[u] - s[u]) * (p[v] - s[v]) - (t[v] - s[v]) * (p[u] - s[u]);
        sign[e] = w[e] > 0 ? 1 : w[e] < 0 ? -1 : TieSign(s[u], s[v], t[u], t[v]);
      }
      if (sign[0] != sign[1] || sign[1] != sign[2]) continue;
      const double sum = w[0] + w[1] + w[2];
      if (sum == 0) continue;
      const double hit = (w[0] * a[ax] + w[1] * b[ax] + w[2] * c[ax]) / sum;
      if (hit > p[ax]) winding += sign[0];
    }
  }
  return winding;
}

int CellSurface::Winding(const Point3& p, int axis, bool closed_only) const {
  if (++stamp_now_ == 0) {
    std::fill(stamp_.begin(), stamp_.end(), 0);
    stamp_now_ = 1;
  }
  std::array<int, 3> cell = CellOf(p);
  const std::size_t ax = static_cast<std::size_t>(axis);
  int winding = 0;
  for (; cell[ax] < dims_[ax]; ++cell[ax]) {
    const std::size_t c = (static_cast<std::size_t>(cell[2]) * dims_[1] + cell[1]) * dims_[0] + cell[0];
    for (std::uint32_t i = cell_start_[c]; i < cell_start_[c + 1]; ++i) {
      const std::uint32_t u = cell_units_[i];
      if (stamp_[u] == stamp_now_) continue;
      stamp_[u] = stamp_now_;
      if (closed_only && !ShellClosed(units_[u].shell)) continue;
      winding += UnitWinding(units_[u], p, axis);
    }
  }
  return winding;
}

bool CellSurface::InsideAny(const Point3& p) const {
  int votes = 0;
  for (int axis = 0; axis < 3; ++axis) votes += Winding(p, axis, false) != 0 ? 1 : 0;
  return votes >= 2;
}

}  // namespace bk
