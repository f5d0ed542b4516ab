#pragma once

// The frame and the finish that the generated objects of the benchmarks share.
#include <memory>
#include <string>

#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "cob/unit.h"

namespace bench {

// An empty object with an identity transform.
inline std::unique_ptr<bk::CPolyChunk> NewObject(std::string name) {
  auto object = std::make_unique<bk::CPolyChunk>();
  object->Name = std::move(name);
  object->Axis.Row0 = {1, 0, 0};
  object->Axis.Row1 = {0, 1, 0};
  object->Axis.Row2 = {0, 0, 1};
  return object;
}

// Sets the totals from the lists and gives the object one plain material
// and, with `units` above 0, a unit.
inline void Finish(bk::CPolyChunk& object, int units) {
  object.VertexTotal = static_cast<std::int32_t>(object.Vertices.size());
  object.UvTotal = static_cast<std::int32_t>(object.UvPoints.size());
  object.FaceTotal = static_cast<std::int32_t>(object.Faces.size());
  object.Materials.push_back(std::make_unique<bk::CMaterial>());
  object.Materials.back()->ParentId = object.Id;
  if (units > 0) {
    object.Unit = std::make_unique<bk::CUnit>();
    object.Unit->ParentId = object.Id;
    object.Unit->Units = units;
  }
}

}  // namespace bench
