#include "engine/solid_cells.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

#include <voro++/voro++.hh>

#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "engine/cell_cut.h"
#include "engine/cell_piece_builder.h"
#include "engine/cell_sites.h"
#include "model/progress.h"
#include "model/triangulate.h"

namespace bk {
namespace {

Point3 ToPoint(const CVector& v) { return {v.x, v.y, v.z}; }

// What a polygon edge being clipped lies on: an edge of the source between
// two welded vertices (a < b, with the face's texture coordinates at each),
// or the line where the face meets the plane towards `plane`.
struct Support {
  bool line = false;
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  double ua = 0, va = 0, ub = 0, vb = 0;
  std::int32_t plane = 0;
};

struct ClipCorner {
  CutPoint point;
  Support next;  // the edge from this corner to the following one
};

using ClipPolygon = std::vector<ClipCorner>;

// A triangle of a cut face, as its cut points are worked out from.
struct CutTriangle {
  std::uint32_t unit = 0;
  std::array<Point3, 3> p;
  std::array<std::array<double, 2>, 3> uv;
};

class CellCutter {
 public:
  CellCutter(const CellSurface& surface, const CellPlanes& planes, const SolidCellOptions& options,
             std::int32_t inner_material)
      : surface_(surface), planes_(planes), options_(options), inner_material_(inner_material) {}

  // The piece of one cell, or nothing when the cell holds no part of the object.
  std::optional<CellPiece> Cut(const VoronoiCell& cell);

 private:
  struct CornerRef {
    std::uint32_t vertex;  // index into the source's vertex list
    std::uint32_t uv;
  };
  void CutUnit(std::uint32_t unit, CellPieceBuilder& builder);
  const std::vector<CornerRef>& UnitCorners(std::uint32_t unit);
  const std::vector<std::uint32_t>& Triangles(std::uint32_t unit);
  // -1 all corners outside one plane, 1 all inside every plane, 0 cut.
  int Classify(const std::vector<Point3>& points) const;
  void ClipTriangle(const CutTriangle& triangle, const std::array<CornerRef, 3>& corners, const CFace& face,
                    CellPieceBuilder& builder);
  void ClipBy(const CutTriangle& triangle, std::size_t side, ClipPolygon& polygon) const;
  CutPoint CutAt(const CutTriangle& triangle, const Support& support, std::int32_t neighbour,
                 const CutPoint& in, const CutPoint& out) const;
  void AddCaps(CellPieceBuilder& builder);
  void AddWholeCell(CellPieceBuilder& builder);

  const CellSurface& surface_;
  const CellPlanes& planes_;
  const SolidCellOptions& options_;
  std::int32_t inner_material_;
  const VoronoiCell* cell_ = nullptr;
  std::vector<std::size_t> site_facets_;
  std::vector<CellPlanes::Halfspace> sides_;  // per entry of site_facets_
  mutable std::vector<char> inside_;      // ClipBy's scratch
  std::vector<std::vector<CapEdge>> cap_edges_;  // per facet
  std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> triangles_;
  std::vector<CornerRef> corners_;
  std::vector<std::uint32_t> near_;
};

const std::vector<CellCutter::CornerRef>& CellCutter::UnitCorners(std::uint32_t unit) {
  corners_.clear();
  const CellSurface::Unit& u = surface_.Units()[unit];
  for (std::uint32_t f = u.first_face; f <= u.first_face + u.hole_count; ++f) {
    const CFace& face = surface_.Face(f);
    for (std::size_t i = 0; i < face.VertexIndices.size(); ++i) {
      corners_.push_back({face.VertexIndices[i], i < face.UvIndices.size() ? face.UvIndices[i] : 0xFFFFFFFFu});
    }
  }
  return corners_;
}

// Every cell that cuts a face triangulates it the same way, so the cells on
// either side of a cut see the same triangles.
const std::vector<std::uint32_t>& CellCutter::Triangles(std::uint32_t unit) {
  auto found = triangles_.find(unit);
  if (found != triangles_.end()) return found->second;
  const CellSurface::Unit& u = surface_.Units()[unit];
  std::vector<CVector> points;
  std::vector<std::uint32_t> outer;
  std::vector<std::vector<std::uint32_t>> holes;
  for (std::uint32_t f = u.first_face; f <= u.first_face + u.hole_count; ++f) {
    std::vector<std::uint32_t>& ring = f == u.first_face ? outer : holes.emplace_back();
    for (std::uint32_t v : surface_.Face(f).VertexIndices) {
      ring.push_back(static_cast<std::uint32_t>(points.size()));
      points.push_back(surface_.Position(surface_.Weld(v)));
    }
  }
  std::vector<std::uint32_t> triangles;
  if (outer.size() == 3 && holes.empty()) {
    triangles = outer;
  } else {
    TriangulateFace(points, outer, holes, triangles);
  }
  return triangles_[unit] = std::move(triangles);
}

int CellCutter::Classify(const std::vector<Point3>& points) const {
  bool all_inside = true;
  for (const CellPlanes::Halfspace& side : sides_) {
    std::size_t inside = 0;
    for (const Point3& p : points) inside += side.Owns(p) ? 1 : 0;
    if (inside == 0) return -1;
    all_inside = all_inside && inside == points.size();
  }
  return all_inside ? 1 : 0;
}

CutPoint CellCutter::CutAt(const CutTriangle& triangle, const Support& support, std::int32_t neighbour,
                           const CutPoint& in, const CutPoint& out) const {
  const std::int32_t site = cell_->site;
  CutPoint cut;
  if (!support.line) {
    // From the edge's lower-numbered end, whichever way the polygon runs it.
    const Point3 pa = ToPoint(surface_.Position(support.a));
    const Point3 pb = ToPoint(surface_.Position(support.b));
    const std::int32_t p = std::min(site, neighbour);
    const std::int32_t q = std::max(site, neighbour);
    const double da = planes_.Side(p, q, pa);
    const double db = planes_.Side(p, q, pb);
    const double t = da != db ? da / (da - db) : 0.5;
    for (std::size_t k = 0; k < 3; ++k) cut.p[k] = pa[k] + t * (pb[k] - pa[k]);
    cut.u = support.ua + t * (support.ub - support.ua);
    cut.v = support.va + t * (support.vb - support.va);
    return cut;
  }
  if (!planes_.TriangleEdgePoint(triangle.p, {site, support.plane, neighbour}, cut.p)) {
    const std::int32_t p = std::min(site, neighbour);
    const double di = planes_.Side(p, std::max(site, neighbour), in.p);
    const double dout = planes_.Side(p, std::max(site, neighbour), out.p);
    const double t = di != dout ? di / (di - dout) : 0.5;
    for (std::size_t k = 0; k < 3; ++k) cut.p[k] = in.p[k] + t * (out.p[k] - in.p[k]);
  }
  // Texture coordinates by the point's barycentric weights in the triangle.
  const auto& t = triangle.p;
  const Point3 e1{t[1][0] - t[0][0], t[1][1] - t[0][1], t[1][2] - t[0][2]};
  const Point3 e2{t[2][0] - t[0][0], t[2][1] - t[0][1], t[2][2] - t[0][2]};
  const Point3 d{cut.p[0] - t[0][0], cut.p[1] - t[0][1], cut.p[2] - t[0][2]};
  auto dot = [](const Point3& a, const Point3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
  const double d11 = dot(e1, e1), d12 = dot(e1, e2), d22 = dot(e2, e2);
  const double d1 = dot(d, e1), d2 = dot(d, e2);
  const double det = d11 * d22 - d12 * d12;
  const double w1 = det != 0 ? (d22 * d1 - d12 * d2) / det : 0.0;
  const double w2 = det != 0 ? (d11 * d2 - d12 * d1) / det : 0.0;
  const double w0 = 1.0 - w1 - w2;
  cut.u = w0 * triangle.uv[0][0] + w1 * triangle.uv[1][0] + w2 * triangle.uv[2][0];
  cut.v = w0 * triangle.uv[0][1] + w1 * triangle.uv[1][1] + w2 * triangle.uv[2][1];
  return cut;
}

void CellCutter::ClipBy(const CutTriangle& triangle, std::size_t side, ClipPolygon& polygon) const {
  const std::int32_t neighbour = cell_->facets[site_facets_[side]].neighbour;
  ClipPolygon clipped;
  const std::size_t n = polygon.size();
  std::vector<char>& inside = inside_;
  inside.resize(n);
  for (std::size_t k = 0; k < n; ++k) inside[k] = sides_[side].Owns(polygon[k].point.p);
  for (std::size_t k = 0; k < n; ++k) {
    const ClipCorner& a = polygon[k];
    const ClipCorner& b = polygon[(k + 1) % n];
    const bool in_a = inside[k];
    const bool in_b = inside[(k + 1) % n];
    if (in_a) clipped.push_back(a);
    if (in_a == in_b) continue;
    const CutPoint cut = in_a ? CutAt(triangle, a.next, neighbour, a.point, b.point)
                              : CutAt(triangle, a.next, neighbour, b.point, a.point);
    Support along_plane;
    along_plane.line = true;
    along_plane.plane = neighbour;
    clipped.push_back({cut, in_a ? along_plane : a.next});
  }
  polygon = std::move(clipped);
}

void CellCutter::ClipTriangle(const CutTriangle& triangle, const std::array<CornerRef, 3>& corners,
                              const CFace& face, CellPieceBuilder& builder) {
  ClipPolygon polygon;
  for (std::size_t k = 0; k < 3; ++k) {
    const std::size_t j = (k + 1) % 3;
    Support edge;
    const std::uint32_t wa = surface_.Weld(corners[k].vertex);
    const std::uint32_t wb = surface_.Weld(corners[j].vertex);
    const bool forward = wa < wb;
    edge.a = forward ? wa : wb;
    edge.b = forward ? wb : wa;
    const auto& uva = triangle.uv[forward ? k : j];
    const auto& uvb = triangle.uv[forward ? j : k];
    edge.ua = uva[0];
    edge.va = uva[1];
    edge.ub = uvb[0];
    edge.vb = uvb[1];
    polygon.push_back({{triangle.p[k], triangle.uv[k][0], triangle.uv[k][1]}, edge});
  }
  for (std::size_t side = 0; side < sides_.size(); ++side) {
    ClipBy(triangle, side, polygon);
    if (polygon.empty()) return;
  }
  std::vector<CutPoint> loop;
  for (const ClipCorner& corner : polygon) loop.push_back(corner.point);
  const bool closed = surface_.ShellClosed(surface_.Units()[triangle.unit].shell);
  builder.AddLoop(loop, face.MaterialIndex, face.Flags, false, closed);
  if (!closed) return;
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    if (!polygon[k].next.line) continue;
    for (std::size_t f : site_facets_) {
      if (cell_->facets[f].neighbour == polygon[k].next.plane) {
        cap_edges_[f].push_back({polygon[(k + 1) % polygon.size()].point, polygon[k].point});
      }
    }
  }
}

void CellCutter::CutUnit(std::uint32_t unit, CellPieceBuilder& builder) {
  const CellSurface::Unit& u = surface_.Units()[unit];
  const std::vector<CornerRef>& corners = UnitCorners(unit);
  std::vector<Point3> points;
  for (const CornerRef& c : corners) points.push_back(ToPoint(surface_.Position(surface_.Weld(c.vertex))));
  const int state = Classify(points);
  if (state < 0) return;
  const CFace& face = surface_.Face(u.first_face);
  const bool closed = surface_.ShellClosed(u.shell);
  auto cut_point = [&](const CornerRef& c) {
    const CUvPoint t = surface_.Uv(c.uv);
    return CutPoint{ToPoint(surface_.Position(surface_.Weld(c.vertex))), t.u, t.v};
  };
  if (state > 0) {
    std::size_t at = 0;
    for (std::uint32_t f = u.first_face; f <= u.first_face + u.hole_count; ++f) {
      std::vector<CutPoint> loop;
      for (std::size_t i = 0; i < surface_.Face(f).VertexIndices.size(); ++i) loop.push_back(cut_point(corners[at++]));
      builder.AddLoop(loop, face.MaterialIndex, face.Flags, f != u.first_face, closed);
    }
    return;
  }
  const std::vector<CornerRef> unit_corners = corners;  // the triangles refer to these
  const std::vector<std::uint32_t>& triangles = Triangles(unit);
  for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
    CutTriangle triangle;
    triangle.unit = unit;
    std::array<CornerRef, 3> refs{};
    std::vector<Point3> tp(3);
    for (std::size_t k = 0; k < 3; ++k) {
      refs[k] = unit_corners[triangles[t + k]];
      const CutPoint p = cut_point(refs[k]);
      triangle.p[k] = tp[k] = p.p;
      triangle.uv[k] = {p.u, p.v};
    }
    const int inside = Classify(tp);
    if (inside < 0) continue;
    if (inside > 0) {
      builder.AddLoop({cut_point(refs[0]), cut_point(refs[1]), cut_point(refs[2])}, face.MaterialIndex,
                      face.Flags, false, closed);
      continue;
    }
    ClipTriangle(triangle, refs, face, builder);
  }
}

void CellCutter::AddCaps(CellPieceBuilder& builder) {
  const int orientation = surface_.Orientation();
  std::vector<int> corner_state(cell_->corners.size(), 0);
  bool any_edges = false;
  for (std::size_t f : site_facets_) any_edges = any_edges || !cap_edges_[f].empty();
  if (!any_edges) {
    // Nothing of a closed shell crosses the cell's boundary: one side for all of it.
    const int state = surface_.InsideClosed(FacetCentre(*cell_, site_facets_.front())) ? 1 : -1;
    std::fill(corner_state.begin(), corner_state.end(), state);
  }
  // Facets the surface crosses first: they tell the corners' sides.
  std::vector<std::size_t> order = site_facets_;
  std::stable_partition(order.begin(), order.end(), [&](std::size_t f) { return !cap_edges_[f].empty(); });
  for (std::size_t f : order) {
    std::vector<CapFace> caps;
    if (!CapFacet(planes_, *cell_, f, cap_edges_[f], orientation, corner_state, caps)) {
      const int state = surface_.InsideClosed(FacetCentre(*cell_, f)) ? 1 : -1;
      for (std::int32_t c : cell_->facets[f].corners) corner_state[static_cast<std::size_t>(c)] = state;
      CapFacet(planes_, *cell_, f, cap_edges_[f], orientation, corner_state, caps);
    }
    const Point3 normal = FacetNormal(planes_, *cell_, f);
    for (const CapFace& cap : caps) builder.AddCap(cap, normal, options_.inner_uv_scale, inner_material_);
  }
}

void CellCutter::AddWholeCell(CellPieceBuilder& builder) {
  for (std::size_t f = 0; f < cell_->facets.size(); ++f) {
    builder.AddCap(WholeFacet(planes_, *cell_, f, surface_.Orientation()), FacetNormal(planes_, *cell_, f),
                   options_.inner_uv_scale, inner_material_);
  }
}

std::optional<CellPiece> CellCutter::Cut(const VoronoiCell& cell) {
  cell_ = &cell;
  site_facets_.clear();
  sides_.clear();
  cap_edges_.assign(cell.facets.size(), {});
  for (std::size_t f = 0; f < cell.facets.size(); ++f) {
    if (cell.facets[f].neighbour < 0) continue;
    site_facets_.push_back(f);
    sides_.push_back(planes_.SideOf(cell.site, cell.facets[f].neighbour));
  }
  CellPieceBuilder builder(planes_, surface_.Orientation());
  surface_.UnitsNear(cell.lower, cell.upper, near_);
  std::sort(near_.begin(), near_.end());
  for (std::uint32_t unit : near_) CutUnit(unit, builder);
  if (builder.Empty()) {
    if (!surface_.AnyClosed() || !surface_.InsideClosed(planes_.Sites()[static_cast<std::size_t>(cell.site)])) {
      return std::nullopt;
    }
    AddWholeCell(builder);
  } else if (surface_.AnyClosed() && !site_facets_.empty()) {
    AddCaps(builder);
  }
  return builder.Finish();
}

// voro++'s cell as the cutter reads it, its corners placed by CellPlanes.
VoronoiCell ReadCell(const CellPlanes& planes, std::int32_t site, voro::voronoicell_neighbor& computed) {
  VoronoiCell cell;
  cell.site = site;
  std::vector<int> neighbours;
  std::vector<int> face_vertices;
  computed.neighbors(neighbours);
  computed.face_vertices(face_vertices);
  std::vector<std::vector<std::int32_t>> facets_of(static_cast<std::size_t>(computed.p));
  for (std::size_t at = 0, f = 0; at < face_vertices.size() && f < neighbours.size(); ++f) {
    CellFacet facet;
    facet.neighbour = neighbours[f];
    const std::size_t count = static_cast<std::size_t>(face_vertices[at++]);
    for (std::size_t k = 0; k < count && at < face_vertices.size(); ++k) {
      const int corner = face_vertices[at++];
      facet.corners.push_back(corner);
      facets_of[static_cast<std::size_t>(corner)].push_back(facet.neighbour);
    }
    cell.facets.push_back(std::move(facet));
  }
  cell.lower = {INFINITY, INFINITY, INFINITY};
  cell.upper = {-INFINITY, -INFINITY, -INFINITY};
  for (std::vector<std::int32_t>& ids : facets_of) {
    std::sort(ids.begin(), ids.end());
    Point3 corner = planes.Sites()[static_cast<std::size_t>(site)];
    if (ids.size() >= 3) corner = planes.Corner({site, ids[0], ids[1], ids[2]});
    for (std::size_t k = 0; k < 3; ++k) {
      cell.lower[k] = std::min(cell.lower[k], corner[k]);
      cell.upper[k] = std::max(cell.upper[k], corner[k]);
    }
    cell.corners.push_back(corner);
  }
  return cell;
}

// Blocks of about five sites each, shaped like the box.
std::array<int, 3> BlockCounts(const Point3& lower, const Point3& upper, std::size_t sites) {
  const double volume = (upper[0] - lower[0]) * (upper[1] - lower[1]) * (upper[2] - lower[2]);
  const double edge = std::cbrt(volume * 5.0 / static_cast<double>(sites));
  std::array<int, 3> counts{};
  for (std::size_t k = 0; k < 3; ++k) {
    counts[k] = static_cast<int>(std::clamp((upper[k] - lower[k]) / edge, 1.0, 200.0));
  }
  return counts;
}

Status CheckOptions(const SolidCellOptions& options, const CellSurface& surface) {
  Status status;
  if (options.cells < 1 || options.cells > 100000) {
    status.Fail(FailureKind::kBadArgument, "The number of cells must lie between 1 and 100000.");
  } else if (!(options.inner_uv_scale > 0.0f) || !std::isfinite(options.inner_uv_scale)) {
    status.Fail(FailureKind::kBadArgument, "The inner texture scale must be a positive number.");
  } else if (options.layout == SolidCellOptions::Layout::kImpact) {
    const CVector lo = surface.Lower();
    const CVector hi = surface.Upper();
    const CVector p = options.impact;
    if (!(p.x >= lo.x && p.x <= hi.x && p.y >= lo.y && p.y <= hi.y && p.z >= lo.z && p.z <= hi.z)) {
      status.Fail(FailureKind::kBadArgument, "The impact point lies outside the object's bounding box.");
    } else if (!(options.spread > 0.0f) || !std::isfinite(options.spread)) {
      status.Fail(FailureKind::kBadArgument, "The impact spread must be a positive number.");
    }
  }
  return status;
}

Status CheckObject(const CPolyChunk& source) {
  Status status;
  for (const CVector* v : source.Vertices) {
    if (!std::isfinite(v->x) || !std::isfinite(v->y) || !std::isfinite(v->z)) {
      status.Fail(FailureKind::kBadData, "The object has a vertex that is not a finite number.");
      return status;
    }
  }
  return status;
}

bool HasVolume(const CellSurface& surface) {
  const CVector lo = surface.Lower();
  const CVector hi = surface.Upper();
  return !surface.Units().empty() && lo.x < hi.x && lo.y < hi.y && lo.z < hi.z;
}

// Cuts every cell, in site order, reporting progress and stopping when asked.
Status CutAll(const CellSurface& surface, const CellPlanes& planes, const SolidCellOptions& options,
              std::int32_t inner_material, ProgressSink& progress, std::vector<CellPiece>& pieces) {
  Status status;
  const std::vector<Point3>& sites = planes.Sites();
  const CVector lo = surface.Lower();
  const CVector hi = surface.Upper();
  const Point3 lower{lo.x, lo.y, lo.z};
  const Point3 upper{hi.x, hi.y, hi.z};
  const auto blocks = BlockCounts(lower, upper, sites.size());
  voro::container container(lower[0], upper[0], lower[1], upper[1], lower[2], upper[2], blocks[0], blocks[1],
                            blocks[2], false, false, false, 8);
  for (std::size_t i = 0; i < sites.size(); ++i) {
    container.put(static_cast<int>(i), sites[i][0], sites[i][1], sites[i][2]);
  }
  std::vector<std::optional<CellPiece>> by_site(sites.size());
  CellCutter cutter(surface, planes, options, inner_material);
  voro::voronoicell_neighbor computed;
  voro::c_loop_all loop(container);
  int done = 0;
  const int total = static_cast<int>(sites.size());
  if (loop.start()) {
    do {
      if (progress.CancelRequested()) {
        status.Fail(FailureKind::kCancelled, "Cancelled.");
        return status;
      }
      if (!container.compute_cell(computed, loop)) continue;
      const std::int32_t site = loop.pid();
      by_site[static_cast<std::size_t>(site)] = cutter.Cut(ReadCell(planes, site, computed));
      progress.ShowProgress(++done, total, "Cutting cells");
    } while (loop.inc());
  }
  if (done != total) {
    status.Fail(FailureKind::kBadData, "Some cells of the object could not be worked out.");
    return status;
  }
  for (auto& piece : by_site) {
    if (piece) pieces.push_back(std::move(*piece));
  }
  return status;
}

SolidCellsResult CutWhole(const CPolyChunk& source, const SolidCellOptions& options, CRandom& random,
                          ProgressSink& progress, std::int32_t inner_material_index) {
  SolidCellsResult result;
  result.status = CheckObject(source);
  if (!result.status.ok()) return result;
  const CellSurface surface(source);
  result.shells = surface.ShellCount();
  result.open_shells = surface.OpenShellCount();
  if (!HasVolume(surface)) {
    result.status.Fail(FailureKind::kBadData,
                       "The object has no volume (it is flat), so it cannot be cut into solid cells.");
    return result;
  }
  result.status = CheckOptions(options, surface);
  if (!result.status.ok()) return result;
  std::vector<Point3> sites = DrawCellSites(surface, options, random, progress);
  if (progress.CancelRequested()) {
    result.status.Fail(FailureKind::kCancelled, "Cancelled.");
    return result;
  }
  const CellPlanes planes(std::move(sites), surface.Lower(), surface.Upper());
  result.status = CutAll(surface, planes, options, inner_material_index, progress, result.pieces);
  if (!result.status.ok()) result.pieces.clear();
  return result;
}

}  // namespace

SolidCellOptions SolidCellOptionsFrom(const ExplosionOptions& options) {
  SolidCellOptions cells;
  cells.cells = options.Cells;
  cells.layout = options.SiteLayout == 1 ? SolidCellOptions::Layout::kImpact : SolidCellOptions::Layout::kUniform;
  cells.impact = CVector(options.ImpactPoint.x, options.ImpactPoint.y, options.ImpactPoint.z);
  cells.spread = options.ImpactSpread;
  cells.inner_uv_scale = options.InnerTextureScale;
  return cells;
}

std::unique_ptr<CMaterial> MakeInnerMaterial(const ExplosionOptions& options) {
  auto material = std::make_unique<CMaterial>();
  material->Name = "Inner";
  material->Colour = CVector(options.InnerColour.r, options.InnerColour.g, options.InnerColour.b);
  constexpr char kShaders[] = {'p', 'f', 'm'};
  material->Shader = kShaders[std::clamp(options.InnerShader, 0, 2)];
  material->Facet = 'f';
  return material;
}

void FillPieceChunk(const CellPiece& piece, CPolyChunk& chunk) {
  chunk.ClearGeometry();
  chunk.Vertices.reserve(piece.Vertices.size());
  chunk.UvPoints.reserve(piece.UvPoints.size());
  chunk.ReserveOwnedFaces(piece.Faces.size());
  for (const CVector& v : piece.Vertices) chunk.AddOwnedVertex(v);
  for (const CUvPoint& t : piece.UvPoints) chunk.AddOwnedUvPoint(t);
  std::int32_t holes = 0;
  for (const CFace& face : piece.Faces) {
    CFace copy;
    copy.CopyFrom(face);
    holes += face.IsHole() ? 1 : 0;
    chunk.AddOwnedFace(std::move(copy));
  }
  chunk.VertexTotal = static_cast<std::int32_t>(piece.Vertices.size());
  chunk.UvTotal = static_cast<std::int32_t>(piece.UvPoints.size());
  chunk.FaceTotal = static_cast<std::int32_t>(piece.Faces.size());
  chunk.HoleCount = holes;
  chunk.OwnsVertices = chunk.OwnsUvPoints = chunk.OwnsFaces = 1;
  chunk.Centroid = piece.VolumeCentroid;
  chunk.Axis.Center = piece.VolumeCentroid;
}

SolidCellsResult CutIntoCells(const CPolyChunk& source, const SolidCellOptions& options, CRandom& random,
                              ProgressSink& progress, std::int32_t inner_material_index) {
  try {
    return CutWhole(source, options, random, progress, inner_material_index);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  SolidCellsResult result;
  result.status.Fail(FailureKind::kOutOfMemory, "There is not enough memory to cut the object into cells.");
  return result;
}

}  // namespace bk
