#pragma once

#include <cstdint>

#include "cob/cob_base.h"

namespace bk {

// A polygon object's unit (Unit chunk): its parent is the PolH chunk.
class CUnit : public CCobBase {
 public:
  using CCobBase::CCobBase;

  // Parses the header for Id and ParentId, then reads the "Units" line. Leaves
  // that line as the current line: the caller reads the line after the chunk.
  bool Read(LineReader& in, std::string_view header) override;
  void Write(CobWriter& out) const override { WriteAs(out, Id, ParentId); }
  void WriteAs(CobWriter& out, std::int32_t id, std::int32_t parent) const;
  // Copies ParentId and Units; keeps its own Id.
  void CopyFrom(const CUnit& source);

  std::int32_t Units = 0;
};

}  // namespace bk
