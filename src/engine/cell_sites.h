#pragma once

#include <vector>

#include "engine/cell_surface.h"
#include "engine/solid_cells.h"

namespace bk {

class CRandom;
class ProgressSink;

// Draws options.cells distinct sites inside the object (inside its closed
// shells, or by a vote of rays when it has open ones), uniformly over its
// bounding box or gathered around the impact point, every coordinate from
// two draws of `random`. When the object is so thin that the draws keep
// missing it, the remaining sites are taken anywhere in the box, so the
// count is always met. Stops early, with fewer sites, when `progress` asks.
std::vector<Point3> DrawCellSites(const CellSurface& surface, const SolidCellOptions& options,
                                  CRandom& random, const ProgressSink& progress);

}  // namespace bk
