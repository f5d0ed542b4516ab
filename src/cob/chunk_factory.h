#pragma once

#include <memory>
#include <string_view>

#include "cob/cob_base.h"

namespace bk {

// "Grou" gives a CGroup, "PolH" a CPolyChunk, "Chan" a CAnimChunk; only the
// first four characters count. Any other tag gives null.
std::unique_ptr<CCobBase> CreateChunkObject(std::string_view tag);

}  // namespace bk
