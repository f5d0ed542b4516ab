#pragma once

#include <cstdint>

#include "model/index_list.h"

namespace bk {

// One polygon or hole of a mesh, as index lists into its owner's vertex and
// texture-vertex lists. Invariant once read or built: both index lists have
// VertexCount entries; corner i is (VertexIndices[i], UvIndices[i]).
struct CFace {
  static constexpr std::uint8_t kHoleFlag = 1;

  std::int32_t VertexCount = 0;
  std::int32_t MaterialIndex = 0;  // meaningless for holes
  std::uint8_t Flags = 0;          // 1 marks a hole; other values are kept as read
  IndexList VertexIndices;
  IndexList UvIndices;

  bool IsHole() const { return Flags == kHoleFlag; }

  // Replaces this face's contents with other's (counts, flags, both index lists).
  void CopyFrom(const CFace& other);
};

}  // namespace bk
