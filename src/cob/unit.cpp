#include "cob/unit.h"

#include "cob/axis_text.h"
#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/scan.h"

namespace bk {

bool CUnit::Read(LineReader& in, std::string_view header) {
  ReadHeaderIds(header, Id, ParentId);
  if (in.ReadLine()) {
    Scanner units(in.Line());
    std::string_view word, value;
    units.Word(word);
    if (units.Word(value)) Units = AtoI(value);
  }
  return true;
}

void CUnit::WriteAs(CobWriter& out, std::int32_t id, std::int32_t parent) const {
  out << "Unit V0.01 Id " << id << " Parent " << parent << " Size -1";
  out.EndLine();
  out << "Units " << Units;
  out.EndLine();
}

void CUnit::CopyFrom(const CUnit& source) {
  ParentId = source.ParentId;
  Units = source.Units;
}

}  // namespace bk
