#include "model/vector.h"

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(VectorFoldSigns, FoldsByFlagsAndRaisesMagnitudesBelowThreeTenthsOfM) {
  struct Case {
    CVector in;
    int negative, positive;
    float m;
    CVector out;
  };
  const Case cases[] = {
      {{-0.1f, 0.0f, -5.0f}, 0, 0, 1.0f, {-0.1f, 0.0f, -5.0f}},  // both clear: unchanged
      {{-0.1f, 0.0f, -5.0f}, 1, 1, 1.0f, {-0.1f, 0.0f, -5.0f}},  // both set: unchanged
      {{0.0f, 0.1f, -5.0f}, 1, 0, 1.0f, {0.0f, -1.0f, -5.0f}},   // negative keeps zero
      {{-0.5f, 0.8f, -2.9f}, 0, 2, 10.0f, {10.0f, 10.0f, 10.0f}},  // any non-zero flag counts
      {{-3.5f, 0.29f, 7.0f}, 0, 1, 1.0f, {3.5f, 1.0f, 7.0f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.negative << "/" << c.positive << " m=" << c.m);
    CVector a = c.in;
    FoldSigns(a, c.negative, c.positive, c.m);
    EXPECT_EQ(a, c.out);
  }
}

TEST(VectorOps, GiveComponentWiseThirtyTwoBitResults) {
  const CVector a{1.0f, -2.0f, 3.0f};
  const CVector b{0.5f, 4.0f, -6.0f};
  EXPECT_EQ(Add(a, b), CVector(1.5f, 2.0f, -3.0f));
  EXPECT_EQ(Subtract(a, b), CVector(0.5f, -6.0f, 9.0f));
  EXPECT_EQ(Multiply(a, 0.5f), CVector(0.5f, -1.0f, 1.5f));
  EXPECT_EQ(Divide(a, 4.0f), CVector(0.25f, -0.5f, 0.75f));
  EXPECT_EQ(Abs(a), CVector(1.0f, 2.0f, 3.0f));
  EXPECT_EQ(Min(a, b), CVector(0.5f, -2.0f, -6.0f));
  // Float, not double, addition: 1e8 + 1 is 1e8 in 32 bits.
  EXPECT_EQ(Add({1e8f, 0, 0}, {1.0f, 0, 0}).x, 1e8f);
}

}  // namespace
}  // namespace bk
