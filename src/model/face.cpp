#include "model/face.h"

namespace bk {

void CFace::CopyFrom(const CFace& other) {
  VertexCount = other.VertexCount;
  Flags = other.Flags;
  MaterialIndex = other.MaterialIndex;
  VertexIndices = other.VertexIndices;
  UvIndices = other.UvIndices;
}

}  // namespace bk
