#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/face.h"
#include "model/uv_point.h"
#include "model/vector.h"

namespace bk {

class CPolyChunk;

using Point3 = std::array<double, 3>;

// An object's surface as the cell cutter reads it: vertices welded by exact
// position (an importer splits a vertex at every texture seam, and a cut
// must not see a seam as an open edge), faces grouped with the holes that
// follow them, the shells they form, and a grid of faces for local queries.
//
// Borrows the source chunk's faces and texture vertices: the chunk must
// outlive this and stay unchanged.
class CellSurface {
 public:
  // One face of the source and the holes right after it.
  struct Unit {
    std::uint32_t first_face = 0;  // index into the source's face list
    std::uint32_t hole_count = 0;
    std::int32_t shell = 0;
  };

  explicit CellSurface(const CPolyChunk& source);

  const CPolyChunk& Source() const { return source_; }
  const std::vector<Unit>& Units() const { return units_; }
  const CFace& Face(std::uint32_t index) const;
  // The welded id of a corner's vertex index, and the position of a welded id.
  std::uint32_t Weld(std::uint32_t vertex_index) const { return weld_[vertex_index]; }
  const CVector& Position(std::uint32_t welded) const { return positions_[welded]; }
  std::size_t WeldedCount() const { return positions_.size(); }
  CUvPoint Uv(std::uint32_t uv_index) const;

  bool ShellClosed(std::int32_t shell) const { return shell_closed_[static_cast<std::size_t>(shell)] != 0; }
  std::int32_t ShellCount() const { return static_cast<std::int32_t>(shell_closed_.size()); }
  std::int32_t OpenShellCount() const;
  bool AnyClosed() const { return closed_volume_ != 0.0; }
  // +1 when the closed shells turn counter-clockwise seen from outside
  // (their signed volume is positive), -1 when clockwise.
  int Orientation() const { return closed_volume_ < 0.0 ? -1 : 1; }
  double ClosedVolume() const { return closed_volume_ < 0 ? -closed_volume_ : closed_volume_; }

  CVector Lower() const { return lower_; }
  CVector Upper() const { return upper_; }

  // Units whose bounds meet the box [lo, hi], each once, in no fixed order.
  // Uses a scratch stamp per unit, so calls must not overlap.
  void UnitsNear(const Point3& lo, const Point3& hi, std::vector<std::uint32_t>& out) const;
  // The winding number of the surface (closed shells only, or every shell)
  // around p along a ray parallel to `axis`.
  int Winding(const Point3& p, int axis, bool closed_only) const;
  // Whether p lies inside the closed shells.
  bool InsideClosed(const Point3& p) const { return Winding(p, 0, true) * Orientation() > 0; }
  // Whether p lies inside the object, open shells counted: a vote of three
  // rays, since an open shell's winding depends on the ray.
  bool InsideAny(const Point3& p) const;

 private:
  void WeldVertices();
  void GroupUnits();
  void FindShells();
  void BuildGrid();
  std::array<int, 3> CellOf(const Point3& p) const;
  int UnitWinding(const Unit& unit, const Point3& p, int axis) const;

  const CPolyChunk& source_;
  std::vector<std::uint32_t> weld_;
  std::vector<CVector> positions_;
  std::vector<Unit> units_;
  std::vector<std::uint8_t> shell_closed_;
  double closed_volume_ = 0.0;
  CVector lower_;
  CVector upper_;
  // The grid: dims_, cell size, and per cell the units meeting it (CSR).
  std::array<int, 3> dims_{1, 1, 1};
  Point3 cell_size_{1, 1, 1};
  std::vector<std::uint32_t> cell_start_;
  std::vector<std::uint32_t> cell_units_;
  mutable std::vector<std::uint32_t> stamp_;
  mutable std::uint32_t stamp_now_ = 0;
};

}  // namespace bk
