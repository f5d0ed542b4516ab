#include "model/chunk_id.h"

#include <atomic>

namespace bk {

namespace {
// Atomic because seed sweeps explode on several threads at once; the ids they
// take are never written, and the sweep puts the counter back afterwards.
std::atomic<std::int32_t> g_counter{ChunkIdCounter::kStart};
}  // namespace

std::int32_t ChunkIdCounter::Next() { return g_counter.fetch_add(1, std::memory_order_relaxed) + 1; }
std::int32_t ChunkIdCounter::Take(std::int32_t count) {
  return g_counter.fetch_add(count, std::memory_order_relaxed) + 1;
}
std::int32_t ChunkIdCounter::Current() { return g_counter.load(std::memory_order_relaxed); }
void ChunkIdCounter::Reset(std::int32_t value) { g_counter.store(value, std::memory_order_relaxed); }

}  // namespace bk
