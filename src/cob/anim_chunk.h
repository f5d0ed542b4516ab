#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "cob/cob_base.h"
#include "model/vector.h"

namespace bk {

// One key frame of a channel.
struct CAnimLineSRT {
  static constexpr std::int32_t kOrientation = 2;
  static constexpr std::int32_t kPosition = 3;
  static constexpr std::int32_t kSize = 4;

  CAnimLineSRT() = default;
  CAnimLineSRT(std::int32_t key_type, std::int32_t frame, CVector shape, CVector value,
               float rotation_w = 0.0f)
      : KeyType(key_type), Frame(frame), RotationW(rotation_w), Shape(shape), Value(value) {}

  std::int32_t KeyType = 0;
  std::int32_t Frame = 0;
  float RotationW = 0.0f;  // scalar part of an orientation quaternion
  CVector Shape;           // spline shape: tension, continuity, bias
  CVector Value;           // position, scale factors, or the quaternion's vector part

  friend bool operator==(const CAnimLineSRT&, const CAnimLineSRT&) = default;
};

// One Chan chunk: the keys of one type, as CAnimChunk and CAnimChunkEx write
// them (one chunk per key type that has keys).
struct ChannelBlock {
  std::int32_t Id = 0;
  std::int32_t ParentId = 0;
  std::int32_t Type = 0;
  std::vector<CAnimLineSRT> Keys;
};

// Reads one Chan chunk ("Name", "type t", "flags f frames n", then n key
// lines); `header` is the current line. Numbers are scanned tolerantly, the
// key count is checked against the text that is left. False when the chunk
// is malformed or the text ends inside it; leaves its last line current.
bool ReadChannelBlock(LineReader& in, std::string_view header, ChannelBlock& block);
// Writes one Chan chunk with the given id.
void WriteChannelBlock(CobWriter& out, std::int32_t id, std::int32_t parent, std::int32_t type,
                       std::span<const CAnimLineSRT> keys);

// A channel object with one list of keys (Chan chunk). Name is "Global".
class CAnimChunk : public CCobBase {
 public:
  CAnimChunk() { Name = "Global"; }
  void DeleteContents() override { Keys.clear(); }
  // One Chan block per key type 2, 3, 4 that has keys (other types are not written).
  void Write(CobWriter& out) const override;

  std::vector<CAnimLineSRT> Keys;
};

// The channels of one exploded piece or particle: orientation keys in Keys,
// plus position and size keys.
class CAnimChunkEx : public CAnimChunk {
 public:
  void DeleteContents() override {
    CAnimChunk::DeleteContents();
    PositionKeys.clear();
    SizeKeys.clear();
  }
  // Orientation, position, size blocks, each only when it has keys. The
  // orientation block carries this object's Id; a position or size block always
  // takes a fresh id from ChunkIdCounter (so does CAnimChunk::Write).
  void Write(CobWriter& out) const override;

  std::vector<CAnimLineSRT> PositionKeys;
  std::vector<CAnimLineSRT> SizeKeys;
};

}  // namespace bk
