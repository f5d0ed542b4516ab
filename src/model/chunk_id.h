#pragma once

#include <cstdint>

namespace bk {

// The one program-wide chunk-id counter. Constructing any chunk object takes
// the next value; channel writers take further values. It starts at 1000000,
// so the first object made gets 1000001.
class ChunkIdCounter {
 public:
  static constexpr std::int32_t kStart = 1000000;

  static std::int32_t Next();     // increments, then returns the new value
  static std::int32_t Current();  // the last value handed out
  // Program start sets the counter once; tests use it to start from a known value.
  static void Reset(std::int32_t value = kStart);
};

}  // namespace bk
