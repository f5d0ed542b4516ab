#pragma once

// The pieces the cell cutter is built from, shared by its source files.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/cell_surface.h"

namespace bk {

// The planes of the cells, each computed one way only: a plane between two
// sites always from the lower-numbered site's side, a Voronoi edge from its
// three sites in order, a corner from its four. Every cell that meets such
// an element therefore gets the same numbers for it. Walls (the object's
// bounding box) are the negative ids -1..-6: x min, x max, y min, y max,
// z min, z max.
class CellPlanes {
 public:
  CellPlanes(std::vector<Point3> sites, CVector lower, CVector upper);

  const std::vector<Point3>& Sites() const { return sites_; }
  // The signed distance (times the sites' distance) of x from the plane
  // between sites p < q: negative or zero on p's side.
  double Side(std::int32_t p, std::int32_t q, const Point3& x) const;
  // Whether x belongs to `cell` rather than to `neighbour`; exactly one of
  // the two cells owns every point.
  bool Owns(std::int32_t cell, std::int32_t neighbour, const Point3& x) const;
  // The point where a plane through a, b, c (a triangle) meets the Voronoi
  // edge of the sites in `triple`. False when the two do not cross cleanly.
  bool TriangleEdgePoint(const std::array<Point3, 3>& triangle, std::array<std::int32_t, 3> triple,
                         Point3& out) const;
  // The corner where the four planes of `ids` (sites and walls) meet.
  Point3 Corner(std::array<std::int32_t, 4> ids) const;
  Point3 Clamp(Point3 p) const;

  // The plane between `cell` and `neighbour`, kept by a cell that tests
  // many points against it; Owns(cell, neighbour, x) == side.Owns(x).
  struct Halfspace {
    Point3 normal;
    double offset;
    bool lower;  // cell is the lower-numbered site
    bool Owns(const Point3& x) const {
      const double d = normal[0] * x[0] + normal[1] * x[1] + normal[2] * x[2] - offset;
      return lower ? d <= 0.0 : d > 0.0;
    }
  };
  Halfspace SideOf(std::int32_t cell, std::int32_t neighbour) const;

 private:
  struct Plane {
    Point3 normal;
    double offset;
  };
  Plane SitePlane(std::int32_t p, std::int32_t q) const;
  Plane WallPlane(std::int32_t wall) const;

  std::vector<Point3> sites_;
  Point3 lower_;
  Point3 upper_;
};

// One facet of a cell: the neighbour across it (a site or a wall) and its
// corners (indices into the cell's corner list), unordered.
struct CellFacet {
  std::int32_t neighbour = 0;
  std::vector<std::int32_t> corners;
};

// A Voronoi cell clipped to the box, with its corners where CellPlanes puts them.
struct VoronoiCell {
  std::int32_t site = 0;
  std::vector<CellFacet> facets;
  std::vector<Point3> corners;
  Point3 lower{};
  Point3 upper{};
};

// A point of a cut piece, with its texture coordinates.
struct CutPoint {
  Point3 p{};
  double u = 0.0;
  double v = 0.0;
};

// A cut segment on a facet, as the cap runs it (against the surface's run).
struct CapEdge {
  CutPoint from;
  CutPoint to;
};

// A cap face: a loop and the holes in it.
struct CapFace {
  std::vector<CutPoint> outer;
  std::vector<std::vector<CutPoint>> holes;
};

// The caps of one facet of `cell`, from the cut segments the surface left on
// it. `orientation` is the surface's turning sense (CellSurface::Orientation).
// `corner_state` holds per corner of the cell 1 inside, -1 outside, 0 not
// known; caps learn it from facets crossed by the surface and use it for
// facets the surface does not cross. False when the facet's state cannot be
// told from what is known yet (the caller then asks the surface).
bool CapFacet(const CellPlanes& planes, const VoronoiCell& cell, std::size_t facet,
              const std::vector<CapEdge>& edges, int orientation, std::vector<int>& corner_state,
              std::vector<CapFace>& caps);
// The whole facet as one cap, turned the surface's way.
CapFace WholeFacet(const CellPlanes& planes, const VoronoiCell& cell, std::size_t facet, int orientation);
// A point inside the facet, for asking the surface which side it is on.
Point3 FacetCentre(const VoronoiCell& cell, std::size_t facet);
// The outward unit normal of a facet.
Point3 FacetNormal(const CellPlanes& planes, const VoronoiCell& cell, std::size_t facet);

}  // namespace bk
