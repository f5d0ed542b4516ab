#include "cob/cob_base.h"

namespace bk {

bool CCobBase::Read(LineReader&, std::string_view) { return true; }
void CCobBase::Write(CobWriter&) const {}

}  // namespace bk
