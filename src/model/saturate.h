#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace bk {

// Frame and count arithmetic is formed in 64 bits and saturated when stored
// in a 32-bit field, so absurd inputs (huge coordinates, long animations) give
// extreme values instead of undefined behaviour.
inline std::int32_t Saturate(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

// A progress count: below zero is 0, beyond the int range the largest int.
inline int ClampToCount(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<int>::max()));
}

}  // namespace bk
