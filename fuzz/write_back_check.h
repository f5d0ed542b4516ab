#pragma once

// The property every import fuzzer checks: an object that imports writes as
// ASCII and imports again to the same shape. Traps otherwise.
#include <sstream>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "model/progress.h"

inline void CheckWritesBackToTheSameShape(const bk::CPolyChunk& first) {
  std::ostringstream os;
  {
    bk::CobWriter out(os);
    const bk::CCobBase* objects[] = {&first};
    bk::NoProgress progress;
    if (!bk::WriteObjects(out, objects, progress).ok) __builtin_trap();
  }
  bk::ImportResult again = bk::ImportObjectFromText(os.str());
  if (!again.object) __builtin_trap();
  const bk::CPolyChunk& second = *again.object;
  if (second.Vertices.size() != first.Vertices.size() ||
      second.UvPoints.size() != first.UvPoints.size() ||
      second.Faces.size() != first.Faces.size() ||
      second.Materials.size() != first.Materials.size() ||
      (second.Unit == nullptr) != (first.Unit == nullptr)) {
    __builtin_trap();
  }
}
