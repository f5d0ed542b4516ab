#pragma once

#include <string_view>

#include "cob/cob_file.h"

namespace bk {

// The identification of the binary form: the ASCII line with B for A. Bytes
// 16 and 17 then give the byte order, "LH" little-endian or "HL" big-endian.
inline constexpr std::string_view kBinarySignature = "Caligari V00.01B";

bool IsCaligariBinary(std::string_view bytes);

// Imports the first polygon object of a binary file held whole in `bytes`:
// the object (vertices carried through its transform, which then becomes the
// identity), then its first Unit and every Mat1 chunk up to the next object,
// group or the END chunk. Other chunks are stepped over by their size and
// named in skipped_chunk_kinds. A big-endian file is refused with
// messages::kBigEndian, any malformed or cut-short file with
// messages::kNotRecognized.
ImportResult ImportBinaryObject(std::string_view bytes);

}  // namespace bk
