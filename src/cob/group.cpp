#include "cob/group.h"

#include "cob/cob_writer.h"

namespace bk {

namespace {

void WriteVector(CobWriter& out, CVector v) { out << v.x << ' ' << v.y << ' ' << v.z; }

}  // namespace

void CGroup::WriteGroup(CobWriter& out, bool with_children) const {
  out << "Grou V0.01 Id " << Id << " Parent " << ParentId << " Size -1";
  out.EndLine();
  out << "Name " << Name;
  out.EndLine();
  out << "center ";
  WriteVector(out, Axis.Center);
  out.EndLine();
  out << "x axis ";
  WriteVector(out, Axis.XAxis);
  out.EndLine();
  out << "y axis ";
  WriteVector(out, Axis.YAxis);
  out.EndLine();
  out << "z axis ";
  WriteVector(out, Axis.ZAxis);
  out.EndLine();
  out << "Transform";
  out.EndLine();
  const CVector* rows[3] = {&Axis.Row0, &Axis.Row1, &Axis.Row2};
  const float translation[3] = {Axis.Translation.x, Axis.Translation.y, Axis.Translation.z};
  for (int i = 0; i < 3; ++i) {
    WriteVector(out, *rows[i]);
    out << ' ' << translation[i];
    out.EndLine();
  }
  out << "0 0 0 1";
  out.EndLine();
  if (with_children) {
    for (const auto& child : Children) child->Write(out);
  }
}

}  // namespace bk
