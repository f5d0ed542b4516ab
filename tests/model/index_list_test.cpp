#include "model/index_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace bk {
namespace {

std::vector<std::uint32_t> Contents(const IndexList& list) { return {list.begin(), list.end()}; }

// Every way in and out of the heap keeps the entries, whatever the length.
TEST(IndexList, KeepsItsEntriesAcrossTheSlotsAndTheHeap) {
  IndexList list;
  std::vector<std::uint32_t> expected;
  for (std::uint32_t i = 0; i < 40; ++i) {
    list.push_back(i * 7);
    expected.push_back(i * 7);
    ASSERT_EQ(Contents(list), expected) << "after pushing " << i;
  }
  while (!expected.empty()) {
    list.pop_back();
    expected.pop_back();
    ASSERT_EQ(Contents(list), expected) << "at size " << expected.size();
  }
  list.resize(6);  // grows from empty straight onto the heap, zeroed
  EXPECT_EQ(Contents(list), std::vector<std::uint32_t>(6, 0));
  list.assign(3, 9u);
  EXPECT_EQ(Contents(list), (std::vector<std::uint32_t>{9, 9, 9}));
  list.reserve(100);
  list.resize(5);
  EXPECT_EQ(Contents(list), (std::vector<std::uint32_t>{9, 9, 9, 0, 0}));
}

TEST(IndexList, CopiesAndMovesShortAndLongLists) {
  for (std::size_t length : {0u, 3u, 4u, 5u, 17u}) {
    std::vector<std::uint32_t> values(length);
    std::iota(values.begin(), values.end(), 100u);
    IndexList original;
    original.assign(values.begin(), values.end());

    IndexList copy = original;
    IndexList assigned = {1, 2, 3, 4, 5, 6};
    assigned = copy;
    EXPECT_EQ(copy, original);
    EXPECT_EQ(assigned, original);

    IndexList moved = std::move(copy);
    EXPECT_EQ(Contents(moved), values);
    EXPECT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move): a moved-from list is empty
    IndexList target = {7};
    target = std::move(moved);
    EXPECT_EQ(Contents(target), values);
    EXPECT_EQ(target, std::span<const std::uint32_t>(values));
  }
}

}  // namespace
}  // namespace bk
