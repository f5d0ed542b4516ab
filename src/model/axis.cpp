#include "model/axis.h"

namespace bk {

namespace {
float Dot(CVector a, CVector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
}  // namespace

CVector CAxis::TransformPoint(CVector p) const {
  return {Dot(Row0, p) + Translation.x, Dot(Row1, p) + Translation.y, Dot(Row2, p) + Translation.z};
}

}  // namespace bk
