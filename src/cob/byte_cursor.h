#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace bk {

// Reads little-endian numbers and length-prefixed strings from bytes it does
// not own (they must outlive it). A read that would pass the end reads
// nothing, yields zero or an empty view, and leaves the cursor failed and
// empty for good: a reader may take a run of fields and test Failed() once,
// and a loop bounded by Left() stops.
class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

  std::uint8_t U8() { return static_cast<std::uint8_t>(Unsigned(1)); }
  std::int16_t I16() { return static_cast<std::int16_t>(Unsigned(2)); }
  std::int32_t I32() { return static_cast<std::int32_t>(Unsigned(4)); }
  float F32() { return std::bit_cast<float>(Unsigned(4)); }

  // The next `count` bytes as they stand.
  std::string_view Bytes(std::size_t count) {
    const char* start = Take(count);
    return start == nullptr ? std::string_view() : std::string_view(start, count);
  }
  // An i16 length, then that many bytes; a negative length fails.
  std::string_view String() {
    const std::int16_t length = I16();
    if (length < 0) return Fail(), std::string_view();
    return Bytes(static_cast<std::size_t>(length));
  }
  // The next `count` bytes as a cursor of their own; this one moves past them.
  ByteCursor Sub(std::size_t count) {
    ByteCursor part(Bytes(count));
    part.failed_ = failed_;
    return part;
  }
  void Skip(std::size_t count) { Take(count); }
  bool StartsWith(std::string_view tag) const { return Rest().starts_with(tag); }

  std::size_t Left() const { return bytes_.size() - pos_; }
  bool Failed() const { return failed_; }
  void Fail() {
    failed_ = true;
    pos_ = bytes_.size();
  }

 private:
  std::string_view Rest() const { return bytes_.substr(pos_); }

  const char* Take(std::size_t count) {
    if (failed_ || count > Left()) {
      Fail();
      return nullptr;
    }
    const char* start = bytes_.data() + pos_;
    pos_ += count;
    return start;
  }

  // Assembled byte by byte, so the result does not depend on the host's order.
  std::uint32_t Unsigned(std::size_t count) {
    const char* start = Take(count);
    if (start == nullptr) return 0;
    std::uint32_t value = 0;
    for (std::size_t i = count; i-- > 0;) {
      value = (value << 8) | static_cast<std::uint8_t>(start[i]);
    }
    return value;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace bk
