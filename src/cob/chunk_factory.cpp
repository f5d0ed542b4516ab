#include "cob/chunk_factory.h"

#include "cob/anim_chunk.h"
#include "cob/group.h"
#include "cob/poly_chunk.h"

namespace bk {

std::unique_ptr<CCobBase> CreateChunkObject(std::string_view tag) {
  const std::string_view type = tag.substr(0, 4);
  if (type == "Grou") return std::make_unique<CGroup>();
  if (type == "PolH") return std::make_unique<CPolyChunk>();
  if (type == "Chan") return std::make_unique<CAnimChunk>();
  return nullptr;
}

}  // namespace bk
