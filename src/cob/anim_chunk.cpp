#include "cob/anim_chunk.h"

#include <array>

#include "cob/cob_writer.h"
#include "model/chunk_id.h"

namespace bk {

namespace {

void WriteKeyLine(CobWriter& out, const CAnimLineSRT& key) {
  out << "time " << key.Frame << " acc 0 t " << key.Shape.x << " c " << key.Shape.y << " b "
      << key.Shape.z;
  // The wording follows the key's own type, not the list that holds it.
  if (key.KeyType == CAnimLineSRT::kOrientation) {
    out << " orientation " << key.RotationW << ' ' << key.Value.x << ' ' << key.Value.y << ' '
        << key.Value.z;
  } else if (key.KeyType == CAnimLineSRT::kPosition) {
    out << " position " << key.Value.x << ' ' << key.Value.y << ' ' << key.Value.z;
  } else {
    out << " size " << key.Value.x << ' ' << key.Value.y << ' ' << key.Value.z;
  }
  out.EndLine();
}

// The four header lines of one channel block.
void WriteBlockHeader(CobWriter& out, std::int32_t id, std::int32_t parent, std::int32_t type,
                      std::size_t keys) {
  out << "Chan V0.04 Id " << id << " Parent " << parent << " Size -1";
  out.EndLine();
  out << "Name Global";
  out.EndLine();
  out << "type " << type;
  out.EndLine();
  out << "flags 1 frames " << keys;
  out.EndLine();
}

// An orientation block carries the object's own Id; a position or size block
// always takes a fresh id, so its id is unique whether or not an orientation
// block was written before it.
std::int32_t BlockId(std::int32_t type, std::int32_t own_id) {
  return type == CAnimLineSRT::kOrientation ? own_id : ChunkIdCounter::Next();
}

}  // namespace

void CAnimChunk::Write(CobWriter& out) const {
  out.SetFixed(6);
  for (const std::int32_t type :
       {CAnimLineSRT::kOrientation, CAnimLineSRT::kPosition, CAnimLineSRT::kSize}) {
    std::size_t count = 0;
    for (const CAnimLineSRT& key : Keys) count += key.KeyType == type ? 1 : 0;
    if (count == 0) continue;
    WriteBlockHeader(out, BlockId(type, Id), ParentId, type, count);
    for (const CAnimLineSRT& key : Keys) {
      if (key.KeyType == type) WriteKeyLine(out, key);
    }
  }
}

void CAnimChunkEx::Write(CobWriter& out) const {
  out.SetFixed(6);
  const std::array<std::pair<std::int32_t, const std::vector<CAnimLineSRT>*>, 3> blocks = {{
      {CAnimLineSRT::kOrientation, &Keys},
      {CAnimLineSRT::kPosition, &PositionKeys},
      {CAnimLineSRT::kSize, &SizeKeys},
  }};
  for (const auto& [type, keys] : blocks) {
    if (keys->empty()) continue;
    WriteBlockHeader(out, BlockId(type, Id), ParentId, type, keys->size());
    for (const CAnimLineSRT& key : *keys) WriteKeyLine(out, key);
  }
}

}  // namespace bk
