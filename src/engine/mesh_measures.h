#pragma once

#include "cob/poly_chunk.h"
#include "model/vector.h"

namespace bk {

// The mean of the mesh's vertices; (0,0,0) when it has none.
CVector VertexMean(const CPolyChunk& mesh);

// A running halving over each face's corners, then over the faces: where the
// particle scale looks for an object's extent.
CVector FaceMidpointCenter(const CPolyChunk& mesh);

// The component-wise minimum of (0,0,0) and every corner's vertex: where a
// piece's lowest point stands for its gravity.
CVector LowerCorner(const CPolyChunk& mesh);

}  // namespace bk
