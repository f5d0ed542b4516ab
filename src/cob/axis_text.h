#pragma once

#include <string_view>

#include "model/axis.h"

namespace bk {

class CobWriter;

// The lines that PolH and Grou chunks share after their header: the name, the
// centre and the three axes, "Transform", the three transform rows (each with
// its translation component) and "0 0 0 1".
void WriteNameAndAxis(CobWriter& out, std::string_view name, const CAxis& axis);

}  // namespace bk
