#include "cob/anim_chunk.h"

#include <algorithm>
#include <array>
#include <optional>

#include "cob/axis_text.h"
#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/scan.h"

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

// "time F acc a t T c C b B <word> values": three values, four for an
// orientation (w first). False when an item does not scan.
bool ReadKeyLine(std::string_view line, std::int32_t type, CAnimLineSRT& key) {
  Scanner scan(line);
  std::string_view word;
  std::int32_t acc = 0;
  key.KeyType = type;
  bool ok = scan.Word(word) && scan.Int(key.Frame) && scan.Word(word) && scan.Int(acc) &&
            scan.Word(word) && scan.Float(key.Shape.x) && scan.Word(word) &&
            scan.Float(key.Shape.y) && scan.Word(word) && scan.Float(key.Shape.z) && scan.Word(word);
  if (ok && type == CAnimLineSRT::kOrientation) ok = scan.Float(key.RotationW);
  return ok && scan.Float(key.Value.x) && scan.Float(key.Value.y) && scan.Float(key.Value.z);
}

// The shortest key line the text could hold ("time 0 acc 0 t 0 c 0 b 0 size
// 0 0 0"), so that a bogus count reserves no more than the text justifies.
constexpr std::size_t kMinKeyLine = 36;

// The four header lines of one channel block, with the given id or (none)
// a fresh one.
void WriteBlockHeader(CobWriter& out, std::optional<std::int32_t> id, std::int32_t parent, std::int32_t type,
                      std::size_t keys) {
  out << "Chan V0.04 Id ";
  if (id) {
    out << *id;
  } else {
    out.WriteFreshId();
  }
  out << " Parent " << parent << " Size -1";
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
std::optional<std::int32_t> BlockId(std::int32_t type, std::int32_t own_id) {
  if (type == CAnimLineSRT::kOrientation) return own_id;
  return std::nullopt;
}

void WriteBlock(CobWriter& out, std::optional<std::int32_t> id, std::int32_t parent, std::int32_t type,
                std::span<const CAnimLineSRT> keys) {
  WriteBlockHeader(out, id, parent, type, keys.size());
  for (const CAnimLineSRT& key : keys) WriteKeyLine(out, key);
}

}  // namespace

bool ReadChannelBlock(LineReader& in, std::string_view header, ChannelBlock& block) {
  ReadHeaderIds(header, block.Id, block.ParentId);
  std::string_view word;
  if (!in.ReadLine() || !in.ReadLine()) return false;  // "Name Global", then "type t"
  {
    Scanner scan(in.Line());
    if (!(scan.Word(word) && scan.Int(block.Type))) return false;
  }
  std::int32_t count = 0;
  if (!in.ReadLine()) return false;
  {
    Scanner scan(in.Line());
    std::int32_t flags = 0;
    if (!(scan.Word(word) && scan.Int(flags) && scan.Word(word) && scan.Int(count)) || count < 0) {
      return false;
    }
  }
  block.Keys.clear();
  block.Keys.reserve(std::min(static_cast<std::size_t>(count), in.BytesLeft() / kMinKeyLine + 1));
  for (std::int32_t k = 0; k < count; ++k) {
    CAnimLineSRT key;
    if (!in.ReadLine() || !ReadKeyLine(in.Line(), block.Type, key)) return false;
    block.Keys.push_back(key);
  }
  return true;
}

void WriteChannelBlock(CobWriter& out, std::int32_t id, std::int32_t parent, std::int32_t type,
                       std::span<const CAnimLineSRT> keys) {
  WriteBlock(out, id, parent, type, keys);
}

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
    if (!keys->empty()) WriteBlock(out, BlockId(type, Id), ParentId, type, *keys);
  }
}

}  // namespace bk
