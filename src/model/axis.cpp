#include "model/axis.h"

namespace bk {

namespace {
// One output component: the products and their sum are formed in double and
// rounded to a float once, when the component is stored.
float RowTimesPoint(CVector row, CVector p, float translation) {
  return static_cast<float>(static_cast<double>(row.x) * p.x + static_cast<double>(row.y) * p.y +
                            static_cast<double>(row.z) * p.z + translation);
}
}  // namespace

CVector CAxis::TransformPoint(CVector p) const {
  return {RowTimesPoint(Row0, p, Translation.x), RowTimesPoint(Row1, p, Translation.y),
          RowTimesPoint(Row2, p, Translation.z)};
}

}  // namespace bk
