#pragma once

#include "model/vector.h"

namespace bk {

// An object's local frame and its 3x4 transform. Default construction zeroes
// all eight vectors: the default transform is the zero matrix, not the identity.
struct CAxis {
  CVector Center;
  CVector XAxis;
  CVector YAxis;
  CVector ZAxis;
  CVector Row0;  // m[0][0..2]
  CVector Row1;  // m[1][0..2]
  CVector Row2;  // m[2][0..2]
  CVector Translation;  // the fourth column (m[0][3], m[1][3], m[2][3])

  // (Row0 . p + Translation.x, Row1 . p + Translation.y, Row2 . p + Translation.z)
  CVector TransformPoint(CVector p) const;

  friend constexpr bool operator==(const CAxis&, const CAxis&) = default;
};

}  // namespace bk
