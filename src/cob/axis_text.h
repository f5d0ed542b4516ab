#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/axis.h"

namespace bk {

class CobWriter;
class LineReader;

// The ids of a chunk header "XXXX Vn.nn Id n Parent p Size s": after the
// first 13 characters, the id, a word and the parent id. A missing number
// gives 0; the type, version and words are not checked.
void ReadHeaderIds(std::string_view header, std::int32_t& id, std::int32_t& parent);

// The lines that PolH and Grou chunks share after their header: the name, the
// centre and the three axes, "Transform", the three transform rows (each with
// its translation component) and "0 0 0 1".
void WriteNameAndAxis(CobWriter& out, std::string_view name, const CAxis& axis);
// Reads those lines, tolerantly: a number that does not scan leaves its field
// as it was. False when the text ends before the last of them.
bool ReadNameAndAxis(LineReader& in, std::string& name, CAxis& axis);

}  // namespace bk
