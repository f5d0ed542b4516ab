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
  static std::int32_t Take(std::int32_t count);  // takes `count` values at once; returns the first
  static std::int32_t Current();  // the last value handed out
  // Program start sets the counter once; tests use it to start from a known value.
  static void Reset(std::int32_t value = kStart);
};

// Puts the counter back, when it goes, where it stood when it was made: for
// work whose chunks are never written (a trial run, a sweep, reading a file),
// so that the next export numbers its chunks as if that work had not run.
class KeepChunkIds {
 public:
  KeepChunkIds() : saved_(ChunkIdCounter::Current()) {}
  ~KeepChunkIds() { ChunkIdCounter::Reset(saved_); }
  KeepChunkIds(const KeepChunkIds&) = delete;
  KeepChunkIds& operator=(const KeepChunkIds&) = delete;

 private:
  std::int32_t saved_;
};

}  // namespace bk
