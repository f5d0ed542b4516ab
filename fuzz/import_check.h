#pragma once

// What every import fuzzer asks of an object that imported: it writes as a
// .cob and reads back with the same counts.
#include <sstream>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "model/progress.h"

namespace bk::fuzz {

inline void CheckWritesAndReadsBack(CPolyChunk& object) {
  object.ComputeCentroid();
  object.FaceMidpointCenter();
  object.LowerCorner();
  std::ostringstream os;
  {
    CobWriter out(os);
    const CCobBase* objects[] = {&object};
    NoProgress progress;
    if (!WriteObjects(out, objects, progress).ok()) __builtin_trap();
  }
  const ImportResult back = ImportObjectFromText(os.str());
  if (!back.object) __builtin_trap();
  if (back.object->Vertices.size() != object.Vertices.size() ||
      back.object->UvPoints.size() != object.UvPoints.size() ||
      back.object->Faces.size() != object.Faces.size() ||
      back.object->Materials.size() != object.Materials.size() ||
      (back.object->Unit == nullptr) != (object.Unit == nullptr)) {
    __builtin_trap();
  }
}

}  // namespace bk::fuzz
