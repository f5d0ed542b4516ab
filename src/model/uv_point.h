#pragma once

namespace bk {

// One texture vertex as read from the file; no range is enforced.
struct CUvPoint {
  float u = 0.0f;
  float v = 0.0f;

  constexpr CUvPoint() = default;
  constexpr CUvPoint(float u_, float v_) : u(u_), v(v_) {}
  friend constexpr bool operator==(const CUvPoint&, const CUvPoint&) = default;
};

}  // namespace bk
