#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cob/exploded_group.h"
#include "model/status.h"

namespace bk {

// A file that Burstkin wrote: its groups in file order, each with the
// objects that name it as parent (meshes with their transforms as written,
// not baked).
struct ExplodedFile {
  std::vector<ExplodedGroup> Groups;
};

struct ExplodedReadResult : Status {
  ExplodedFile File;
};

// Reads a file that Burstkin's export wrote (its Grou, PolH, Mat1, PrTx, Unit
// and Chan chunks as the export writes them). A file that is not such a file
// is refused with a message, never misread.
ExplodedReadResult ReadExplodedFile(std::string_view text);
ExplodedReadResult ReadExplodedFileAt(const std::string& path);

}  // namespace bk
