#pragma once

#include <memory>
#include <vector>

#include "cob/cob_base.h"
#include "model/axis.h"

namespace bk {

// A named local frame that other chunks belong to (Grou chunk). Owns its
// children; each child names the group through its own ParentId. Read, as
// for any chunk an import passes over, reads nothing; the reader of exploded
// files takes a group's own lines with ReadBody.
class CGroup : public CCobBase {
 public:
  ~CGroup() override { DeleteContents(); }

  // The group's own lines as WriteGroup writes them (header, name, frame),
  // without children; leaves the last transform row current. False when the
  // text ends inside them.
  bool ReadBody(LineReader& in, std::string_view header);
  void DeleteContents() override { Children.clear(); }
  // Writes nothing: a group is written with WriteGroup, so that the export
  // can report progress and stop between its children.
  void Write(CobWriter&) const override {}
  // The group's own eleven lines, then (with_children) each child's Write.
  void WriteGroup(CobWriter& out, bool with_children) const;

  CAxis Axis;
  std::vector<std::unique_ptr<CCobBase>> Children;
};

}  // namespace bk
