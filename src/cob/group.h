#pragma once

#include <memory>
#include <vector>

#include "cob/cob_base.h"
#include "model/axis.h"

namespace bk {

// A named local frame that other chunks belong to (Grou chunk). Only written,
// never read. Owns its children; each child names the group through its own
// ParentId.
class CGroup : public CCobBase {
 public:
  ~CGroup() override { DeleteContents(); }

  void DeleteContents() override { Children.clear(); }
  // Groups are written with WriteGroup; Write itself writes nothing.
  void Write(CobWriter&) const override {}
  // The group's own eleven lines, then (with_children) each child's Write.
  void WriteGroup(CobWriter& out, bool with_children) const;

  CAxis Axis;
  std::vector<std::unique_ptr<CCobBase>> Children;
};

}  // namespace bk
