#include "cob/group.h"

#include "cob/axis_text.h"
#include "cob/cob_writer.h"

namespace bk {

bool CGroup::ReadBody(LineReader& in, std::string_view header) {
  ReadHeaderIds(header, Id, ParentId);
  return ReadNameAndAxis(in, Name, Axis);
}

void CGroup::WriteGroup(CobWriter& out, bool with_children) const {
  out << "Grou V0.01 Id " << Id << " Parent " << ParentId << " Size -1";
  out.EndLine();
  WriteNameAndAxis(out, Name, Axis);
  if (with_children) {
    for (const auto& child : Children) child->Write(out);
  }
}

}  // namespace bk
