#include "cob/unit.h"

#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/scan.h"

namespace bk {

bool CUnit::Read(LineReader& in, std::string_view header) {
  // "Unit V0.01 Id" is 13 characters; the id, the word Parent and the parent
  // id follow. The version and the words are not checked.
  Scanner scan(header);
  std::string_view type_version, id, parent_word, parent;
  scan.Chars(13, type_version);
  scan.SkipBlanks();
  if (scan.Word(id)) Id = AtoI(id);
  scan.SkipBlanks();
  scan.Word(parent_word);
  scan.SkipBlanks();
  if (scan.Word(parent)) ParentId = AtoI(parent);

  if (in.ReadLine()) {
    Scanner units(in.Line());
    std::string_view word, value;
    units.Word(word);
    if (units.Word(value)) Units = AtoI(value);
  }
  return true;
}

void CUnit::Write(CobWriter& out) const {
  out << "Unit V0.01 Id " << Id << " Parent " << ParentId << " Size -1";
  out.EndLine();
  out << "Units " << Units;
  out.EndLine();
}

void CUnit::CopyFrom(const CUnit& source) {
  ParentId = source.ParentId;
  Units = source.Units;
}

}  // namespace bk
