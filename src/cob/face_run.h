#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace bk {

class CPolyChunk;

// Object data that cannot be cut or copied (a corner index outside the
// object's lists, a missing face or material): the work fails with its
// message instead of reading past the data.
class BadObjectData : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A run of consecutive faces of an object, which an explosion makes into a
// piece. Source is null for a mesh that is not cut from a run.
struct FaceRun {
  const CPolyChunk* Source = nullptr;
  std::uint32_t First = 0;
  std::uint32_t Count = 0;
};

// Makes `piece`'s vertex, texture-vertex and face lists those of the run:
// copies of its faces, with corners renumbered into lists that hold each
// value once, in the order the corners first reach it (a vertex is matched
// by exact equality, so -0 matches +0 and NaN matches nothing). The lists
// point at the source's vertices and texture vertices; the faces are the
// piece's own. Replaces what the lists held and leaves the totals, axis and
// everything else alone. Throws BadObjectData when a face is missing, its two
// corner lists differ in length or a corner names no element of the source.
void CutFaces(const FaceRun& run, CPolyChunk& piece);

}  // namespace bk
