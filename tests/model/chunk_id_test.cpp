#include "model/chunk_id.h"

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(ChunkIdCounter, FirstIdAfterStartIs1000001AndEachTakeAdvancesByOne) {
  ChunkIdCounter::Reset();
  EXPECT_EQ(ChunkIdCounter::Current(), 1000000);
  EXPECT_EQ(ChunkIdCounter::Next(), 1000001);
  EXPECT_EQ(ChunkIdCounter::Next(), 1000002);
  EXPECT_EQ(ChunkIdCounter::Current(), 1000002);
}

}  // namespace
}  // namespace bk
