#include "model/axis.h"

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(Axis, TransformAppliesRowsThenTranslation) {
  CAxis axis;
  axis.Row0 = {0.0f, -1.0f, 0.0f};  // a quarter turn about z, doubled in z
  axis.Row1 = {1.0f, 0.0f, 0.0f};
  axis.Row2 = {0.0f, 0.0f, 2.0f};
  axis.Translation = {10.0f, 20.0f, 30.0f};
  EXPECT_EQ(axis.TransformPoint({1.0f, 2.0f, 3.0f}), CVector(8.0f, 21.0f, 36.0f));
}

// Each output component is one sum of three products and the translation,
// rounded to a float once at the end: rounding every product and partial sum
// to a float moves baked vertices of scaled objects by a unit in the last place.
TEST(Axis, TransformRoundsEachComponentOnce) {
  CAxis axis;
  axis.Row0 = {2.70702f, 8.84988e-6f, 4.88764e-12f};
  axis.Translation = {0.00022105f, 0.0f, 0.0f};
  const CVector moved = axis.TransformPoint({0.1f, 0.2f, 0.3f});
  EXPECT_EQ(moved.x, 0.270924836f);  // 0.270924807 when rounded step by step
  EXPECT_EQ(axis.TransformPoint({0.3f, 0.7f, 0.11f}).x, 0.812333286f);  // not 0.812333345
}

}  // namespace
}  // namespace bk
