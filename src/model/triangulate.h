#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/vector.h"

namespace bk {

// Triangulates one polygon face, with any holes that cut it, by ear clipping
// in the face's own plane (a fan is wrong for concave faces). `outer` and
// each ring of `holes` hold indices into `points`. Holes are bridged into the
// outer ring first; a hole that cannot be bridged (it lies outside the face or
// crosses its edge) is left out, so the face is then drawn as if it had no
// such hole. The triangles keep the turning sense of `outer` and are appended
// to `triangles` as index triples into `points`. Rings of fewer than three
// corners give nothing.
void TriangulateFace(std::span<const CVector> points, std::span<const std::uint32_t> outer,
                     std::span<const std::vector<std::uint32_t>> holes,
                     std::vector<std::uint32_t>& triangles);

}  // namespace bk
