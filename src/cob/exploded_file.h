#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cob/anim_chunk.h"
#include "cob/group.h"
#include "cob/poly_chunk.h"

namespace bk {

// One object of a file that Burstkin wrote: the mesh (transform as written,
// not baked) and its channels (orientation keys in Keys, position keys in
// PositionKeys, size keys in SizeKeys; Piece points at the mesh).
struct ExplodedObject {
  std::unique_ptr<CPolyChunk> Mesh;
  std::unique_ptr<CAnimChunkEx> Channel;
};

// One Grou chunk of such a file with the objects that name it as parent, in
// file order.
struct ExplodedGroup {
  std::unique_ptr<CGroup> Group;  // Name, Id, ParentId and Axis as written; no children
  std::vector<ExplodedObject> Objects;
};

struct ExplodedFile {
  std::vector<ExplodedGroup> Groups;
};

struct ExplodedReadResult {
  bool ok = false;
  ExplodedFile File;
  std::string error;  // a clear message when !ok
};

// Reads a file that Burstkin's export wrote (its Grou, PolH, Mat1, PrTx, Unit
// and Chan chunks as the export writes them). A file that is not such a file
// is refused with a message, never misread.
ExplodedReadResult ReadExplodedFile(std::string_view text);
ExplodedReadResult ReadExplodedFileAt(const std::string& path);

}  // namespace bk
