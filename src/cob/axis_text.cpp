#include "cob/axis_text.h"

#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/scan.h"

namespace bk {

namespace {

void WriteVector(CobWriter& out, CVector v) { out << v.x << ' ' << v.y << ' ' << v.z; }

void WriteLabelledVector(CobWriter& out, std::string_view label, CVector v) {
  out << label;
  WriteVector(out, v);
  out.EndLine();
}

// "label label x y z" with `words` words before the numbers.
void ScanVector(std::string_view line, int words, CVector& v) {
  Scanner scan(line);
  std::string_view word;
  for (int i = 0; i < words; ++i) scan.Word(word);
  scan.Float(v.x) && scan.Float(v.y) && scan.Float(v.z);
}

}  // namespace

void ReadHeaderIds(std::string_view header, std::int32_t& id, std::int32_t& parent) {
  Scanner scan(header);
  std::string_view skipped, id_text, parent_word, parent_text;
  scan.Chars(13, skipped);
  scan.SkipBlanks();
  scan.Word(id_text);
  scan.SkipBlanks();
  scan.Word(parent_word);
  scan.SkipBlanks();
  scan.Word(parent_text);
  id = AtoI(id_text);
  parent = AtoI(parent_text);
}

bool ReadNameAndAxis(LineReader& in, std::string& name, CAxis& axis) {
  if (!in.ReadLine()) return false;
  {
    Scanner scan(in.Line());
    std::string_view word, text;
    scan.Word(word);
    if (scan.Word(text)) name = std::string(text);
  }
  if (!in.ReadLine()) return false;
  ScanVector(in.Line(), 1, axis.Center);
  for (CVector* v : {&axis.XAxis, &axis.YAxis, &axis.ZAxis}) {
    if (!in.ReadLine()) return false;
    ScanVector(in.Line(), 2, *v);
  }
  if (!in.ReadLine()) return false;  // "Transform"
  CVector* rows[3] = {&axis.Row0, &axis.Row1, &axis.Row2};
  float* translation[3] = {&axis.Translation.x, &axis.Translation.y, &axis.Translation.z};
  for (int i = 0; i < 3; ++i) {
    if (!in.ReadLine()) return false;
    Scanner scan(in.Line());
    scan.Float(rows[i]->x) && scan.Float(rows[i]->y) && scan.Float(rows[i]->z) &&
        scan.Float(*translation[i]);
  }
  return in.ReadLine();  // the fourth row, always 0 0 0 1
}

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
