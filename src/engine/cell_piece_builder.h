#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/cell_cut.h"
#include "engine/solid_cells.h"

namespace bk {

// Collects one piece's faces. Points become the piece's vertices by their
// float position, so two cut points that round to the same place are one
// vertex and a loop never runs along an edge of length zero.
class CellPieceBuilder {
 public:
  CellPieceBuilder(const CellPlanes& planes, int orientation) : planes_(planes), orientation_(orientation) {}

  // A face (or a hole when `hole`) of the piece. `closed` marks faces that
  // bound the piece's volume (closed shells and caps). Loops that shrink
  // below three corners are left out; a hole whose face was left out goes too.
  void AddLoop(const std::vector<CutPoint>& loop, std::int32_t material, std::uint8_t flags, bool hole,
               bool closed);
  // A cap face and its holes, with texture coordinates projected in the
  // cap's own plane (normal `normal`) at `scale` repeats per unit.
  void AddCap(const CapFace& cap, const Point3& normal, double scale, std::int32_t material);
  bool Empty() const { return piece_.Faces.empty(); }
  // Hands over the piece with its volume and centre worked out.
  CellPiece Finish();

 private:
  std::uint32_t VertexOf(const Point3& p);
  std::uint32_t UvOf(double u, double v);

  const CellPlanes& planes_;
  int orientation_;
  CellPiece piece_;
  std::vector<char> closed_;
  bool last_outer_kept_ = false;
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> vertex_index_;
  std::unordered_map<std::uint64_t, std::uint32_t> uv_index_;
};

}  // namespace bk
