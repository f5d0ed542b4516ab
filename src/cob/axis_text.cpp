#include "cob/axis_text.h"

#include "cob/cob_writer.h"

namespace bk {

namespace {

void WriteVector(CobWriter& out, CVector v) { out << v.x << ' ' << v.y << ' ' << v.z; }

void WriteLabelledVector(CobWriter& out, std::string_view label, CVector v) {
  out << label;
  WriteVector(out, v);
  out.EndLine();
}

}  // namespace

void WriteNameAndAxis(CobWriter& out, std::string_view name, const CAxis& axis) {
  out << "Name " << name;
  out.EndLine();
  WriteLabelledVector(out, "center ", axis.Center);
  WriteLabelledVector(out, "x axis ", axis.XAxis);
  WriteLabelledVector(out, "y axis ", axis.YAxis);
  WriteLabelledVector(out, "z axis ", axis.ZAxis);
  out << "Transform";
  out.EndLine();
  const CVector* rows[3] = {&axis.Row0, &axis.Row1, &axis.Row2};
  const float translation[3] = {axis.Translation.x, axis.Translation.y, axis.Translation.z};
  for (int i = 0; i < 3; ++i) {
    WriteVector(out, *rows[i]);
    out << ' ' << translation[i];
    out.EndLine();
  }
  out << "0 0 0 1";
  out.EndLine();
}

}  // namespace bk
