#include "model/chunk_id.h"

namespace bk {

namespace {
std::int32_t g_counter = ChunkIdCounter::kStart;
}  // namespace

std::int32_t ChunkIdCounter::Next() { return ++g_counter; }
std::int32_t ChunkIdCounter::Current() { return g_counter; }
void ChunkIdCounter::Reset(std::int32_t value) { g_counter = value; }

}  // namespace bk
