#include "model/vector.h"

#include <cmath>
#include <initializer_list>

namespace bk {

CVector Add(CVector a, CVector b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
CVector Subtract(CVector a, CVector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
CVector Multiply(CVector a, float s) { return {a.x * s, a.y * s, a.z * s}; }
CVector Divide(CVector a, float s) { return {a.x / s, a.y / s, a.z / s}; }
CVector Abs(CVector a) { return {std::fabs(a.x), std::fabs(a.y), std::fabs(a.z)}; }

CVector Min(CVector a, CVector b) {
  return {a.x < b.x ? a.x : b.x, a.y < b.y ? a.y : b.y, a.z < b.z ? a.z : b.z};
}

void FoldSigns(CVector& a, int negative, int positive, float m) {
  if (negative == positive) return;
  a = Abs(a);
  // The threshold is formed in double and compared against the float
  // components, as the expression 0.3 * m reads.
  const double threshold = 0.3 * m;
  for (float* c : {&a.x, &a.y, &a.z}) {
    if (*c > 0.0f && *c < threshold) *c = m;
  }
  if (negative != 0) a = {-a.x, -a.y, -a.z};
}

}  // namespace bk
