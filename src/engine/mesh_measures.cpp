#include "engine/mesh_measures.h"

namespace bk {

CVector VertexMean(const CPolyChunk& mesh) {
  if (mesh.Vertices.empty()) return CVector();
  CVector sum;
  for (const CVector* v : mesh.Vertices) sum = Add(sum, *v);
  return Divide(sum, static_cast<float>(mesh.Vertices.size()));
}

CVector FaceMidpointCenter(const CPolyChunk& mesh) {
  CVector c;
  CVector a;
  bool first_face = true;
  for (const CFace* face : mesh.Faces) {
    bool first_corner = true;
    for (std::uint32_t index : face->VertexIndices) {
      if (index >= mesh.Vertices.size()) continue;
      const CVector& v = *mesh.Vertices[index];
      c = first_corner ? v : Divide(Add(c, v), 2.0f);
      first_corner = false;
    }
    a = first_face ? c : Divide(Add(c, a), 2.0f);
    first_face = false;
  }
  return a;
}

CVector LowerCorner(const CPolyChunk& mesh) {
  CVector lowest;
  for (const CFace* face : mesh.Faces) {
    for (std::uint32_t index : face->VertexIndices) {
      if (index < mesh.Vertices.size()) lowest = Min(lowest, *mesh.Vertices[index]);
    }
  }
  return lowest;
}

}  // namespace bk
