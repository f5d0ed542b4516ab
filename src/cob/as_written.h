#pragma once

#include <span>

#include "cob/exploded_group.h"

namespace bk {

// Gives every value of the groups that a .cob file holds with less precision
// than memory (frames, materials, keys) the value that WriteGroups writes and
// a reader reads back, so that another export made from the groups in memory
// carries exactly what the .cob file carries, and exactly what that export
// gives when made from the file read back. Vertex and texture-vertex values
// are left to ListsOf(..., ListValues::kAsWritten): pieces share them with
// the source. Takes no ids from the chunk-id counter.
void RoundAsWritten(std::span<ExplodedGroup* const> groups);

}  // namespace bk
