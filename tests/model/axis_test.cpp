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

}  // namespace
}  // namespace bk
