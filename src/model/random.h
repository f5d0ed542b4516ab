#pragma once

#include <cstdint>

namespace bk {

// The one pseudo-random generator of a document. Every random choice of the
// system takes the next draw, so a seed reproduces a whole run.
class CRandom {
 public:
  explicit CRandom(std::uint32_t seed = 0) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }
  std::uint32_t State() const { return state_; }

  // state = state * 214013 + 2531011 (mod 2^32); returns (state >> 16) & 32767.
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 32767u);
  }

 private:
  std::uint32_t state_;
};

// 1/32767 rounded to single precision (3.0518509447574615e-05, a little below
// 1/32767), the factor by which every draw becomes a fraction.
inline constexpr float kDrawScale = 1.0f / 32767.0f;

// r / 32767 as the system forms it: the draw times kDrawScale, in double.
// Lies in [0, 0.9999999990686774].
inline double DrawFraction(int r) { return static_cast<double>(r) * static_cast<double>(kDrawScale); }

// r * kDrawScale * x in double precision; never reaches x for positive x, so
// truncating RandomUpTo(n) gives at most n - 1.
double RandomUpTo(CRandom& random, float x);

}  // namespace bk
