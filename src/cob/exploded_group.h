#pragma once

#include <memory>
#include <vector>

#include "cob/anim_chunk.h"
#include "cob/group.h"
#include "cob/poly_chunk.h"

namespace bk {

// One animated object of an explosion: a piece or a particle and the channel
// that moves it (the channel's ParentId is the mesh's Id).
struct ExplodedObject {
  std::unique_ptr<CPolyChunk> Mesh;
  std::unique_ptr<CAnimChunkEx> Channel;
};

// One group of an explosion ("Burstkin" or "BurstkinParticles") with its
// objects in order. The group chunk carries its own lines only; the objects
// are here, not among its Children. The engine makes these, the writer
// writes them and the reader of exploded files gives them back.
struct ExplodedGroup {
  std::unique_ptr<CGroup> Group;
  std::vector<ExplodedObject> Objects;
};

}  // namespace bk
