#include "model/stable_store.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(StableStore, ElementsKeepTheirAddressesAsMoreAreAdded) {
  StableStore<std::string> store;
  std::vector<const std::string*> added;
  for (int i = 0; i < 20000; ++i) added.push_back(&store.Add("element " + std::to_string(i)));
  for (int i = 0; i < 20000; ++i) ASSERT_EQ(*added[static_cast<std::size_t>(i)], "element " + std::to_string(i));
  store.Clear();
  EXPECT_EQ(store.Add("again"), "again");
}

}  // namespace
}  // namespace bk
