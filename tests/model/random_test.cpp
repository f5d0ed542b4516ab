#include "model/random.h"

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(Random, DrawsTheLinearCongruentialSequence) {
  CRandom random(1);
  for (int expected : {41, 18467, 6334, 26500, 19169, 15724}) EXPECT_EQ(random.Next(), expected);
  CRandom wrapped(0xFFFFFFFFu);  // the state wraps modulo 2^32
  EXPECT_EQ(wrapped.Next(), static_cast<int>(((0xFFFFFFFFu * 214013u + 2531011u) >> 16) & 32767u));
}

// Seeds whose first draw is 0 and 32767.
constexpr std::uint32_t kSeedDrawingZero = 20057;
constexpr std::uint32_t kSeedDrawingMax = 30091;

TEST(RandomUpTo, IsExactlyZeroForAZeroDraw) {
  CRandom random(kSeedDrawingZero);
  EXPECT_EQ(RandomUpTo(random, 123.0f), 0.0);
}

TEST(RandomUpTo, StaysBelowItsBoundSoTruncationGivesAtMostNMinusOne) {
  CRandom random(kSeedDrawingMax);
  const double r = RandomUpTo(random, 10.0f);
  EXPECT_EQ(r, 32767.0 * static_cast<double>(kDrawScale) * 10.0);
  EXPECT_LT(r, 10.0);  // as a 32-bit float it would round up to 10
  EXPECT_EQ(static_cast<int>(r), 9);

  CRandom big(kSeedDrawingMax);
  EXPECT_EQ(static_cast<long long>(RandomUpTo(big, 1e8f)), 99999999);
}

}  // namespace
}  // namespace bk
