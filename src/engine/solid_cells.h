#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/explosion_options.h"

#include "model/face.h"
#include "model/status.h"
#include "model/uv_point.h"
#include "model/vector.h"

namespace bk {

class CMaterial;
class CPolyChunk;
class CRandom;
class ProgressSink;

// How an object is cut into solid cells.
struct SolidCellOptions {
  enum class Layout { kUniform, kImpact };

  std::int32_t cells = 32;  // sites drawn, 1..100000
  Layout layout = Layout::kUniform;
  CVector impact;            // object coordinates, within the object's bounds
  float spread = 1.0f;       // impact layout: the typical distance of a site from the impact point
  float inner_uv_scale = 1.0f;  // texture repeats per object unit on the caps
};

// The cutter's options as the options record holds them.
SolidCellOptions SolidCellOptionsFrom(const ExplosionOptions& options);
// The material of the caps: named "Inner", the record's colour and shader,
// faceted (caps are flat, so shading across their edges would be wrong).
std::unique_ptr<CMaterial> MakeInnerMaterial(const ExplosionOptions& options);

// One solid piece: the part of the object's surface inside one cell, and the
// caps where the cell cuts the object. Faces are as in a CPolyChunk: indices
// into Vertices and UvPoints, holes right after the face they cut. Every
// point on a cut is computed once from what defines it (an edge and a cell
// plane, or a face and a cell edge, or a cell corner), so neighbouring pieces
// share their cut points bit for bit.
struct CellPiece {
  std::vector<CVector> Vertices;
  std::vector<CUvPoint> UvPoints;
  std::vector<CFace> Faces;
  CVector VolumeCentroid;  // the centroid of the enclosed volume; the surface centre for open pieces
  double Volume = 0.0;     // positive for a closed piece; 0 for pieces of open shells only
};

// Gives `chunk` (a new piece with its frame and materials already set) the
// piece's lists as its own, its totals and hole count, and the volume
// centroid as its centre.
void FillPieceChunk(const CellPiece& piece, CPolyChunk& chunk);

struct SolidCellsResult {
  Status status;
  std::vector<CellPiece> pieces;  // in the order of the sites that gave them
  std::int32_t shells = 0;
  std::int32_t open_shells = 0;   // cut along the cells without caps
};

// Cuts `source` (vertices as they stand, transform ignored) into the Voronoi
// cells of sites drawn from `random` inside the object, clipped to its
// bounding box. Closed shells give closed pieces whose caps carry
// `inner_material_index`; open shells are cut without caps, so every part of
// the surface lands in exactly one piece. Faces a cell boundary crosses are
// triangulated; the others stay as they are. Fails with kBadData for an
// object without volume (flat, or no faces) or non-finite vertices, with
// kBadArgument for options out of range, with kCancelled when asked to stop.
SolidCellsResult CutIntoCells(const CPolyChunk& source, const SolidCellOptions& options, CRandom& random,
                              ProgressSink& progress, std::int32_t inner_material_index);

}  // namespace bk
