#pragma once

// Points and directions in 3D. Every component is a 32-bit float and every
// operation yields 32-bit components, because the file values and all the
// arithmetic of an explosion are defined at that precision.

namespace bk {

struct CVector {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  constexpr CVector() = default;
  constexpr CVector(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

  // Exact component-wise equality (so -0 equals +0, NaN equals nothing).
  friend constexpr bool operator==(const CVector&, const CVector&) = default;
};

CVector Add(CVector a, CVector b);
CVector Subtract(CVector a, CVector b);
CVector Multiply(CVector a, float s);
CVector Divide(CVector a, float s);  // s == 0 gives infinities or NaN, like the float division
CVector Abs(CVector a);
CVector Min(CVector a, CVector b);

// Gives a direction one sign along every axis (see vector.cpp): with exactly one
// of `negative` and `positive` set, every component takes that sign and a
// non-zero magnitude below 0.3 * m is raised to m.
void FoldSigns(CVector& a, int negative, int positive, float m);

}  // namespace bk
