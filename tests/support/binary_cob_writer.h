#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace bk {
class CMaterial;
class CPolyChunk;
class CUnit;
}  // namespace bk

namespace bk::testing {

// Writes binary trueSpace files for tests, seeds and benchmarks (Burstkin
// itself only reads them): the 32-byte header, then chunks whose sizes are
// filled in when they are closed. The chunk writers take the model's records;
// a PolH chunk carries the object's vertices as they are, as local
// coordinates, with the object's transform.
class BinaryCobWriter {
 public:
  explicit BinaryCobWriter(std::string_view byte_order = "LH");

  void U8(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
  void I16(std::int16_t value) { Little(static_cast<std::uint16_t>(value), 2); }
  void I32(std::int32_t value) { Little(static_cast<std::uint32_t>(value), 4); }
  void F32(float value);
  void F32s(std::initializer_list<float> values) {
    for (float value : values) F32(value);
  }
  void String(std::string_view text);  // i16 length, then the bytes
  void Raw(std::string_view bytes) { bytes_.append(bytes); }

  // Opens a chunk; EndChunk fills in the size of everything written since.
  void BeginChunk(std::string_view type, std::int16_t major, std::int16_t minor, std::int32_t id,
                  std::int32_t parent);
  void EndChunk();

  void PolyChunk(const CPolyChunk& object, std::int16_t duplicate = 0);
  void MaterialChunk(const CMaterial& material);
  void UnitChunk(const CUnit& unit);
  void EndOfFile();  // the END chunk

  const std::string& bytes() const { return bytes_; }
  // Where each chunk's header begins, in file order.
  const std::vector<std::size_t>& chunk_starts() const { return chunkStarts_; }

 private:
  void Little(std::uint32_t value, int count);

  std::string bytes_;
  std::vector<std::size_t> chunkStarts_;
};

}  // namespace bk::testing
