// Imports arbitrary bytes through the same code as a file import. An object
// that imports must also write and import again to the same shape.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "model/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bk::ImportResult first = bk::ImportObjectFromText(text);
  if (!first.object) return 0;

  first.object->ComputeCentroid();
  first.object->FaceMidpointCenter();
  first.object->LowerCorner();

  std::ostringstream os;
  {
    bk::CobWriter out(os);
    const bk::CCobBase* objects[] = {first.object.get()};
    bk::NoProgress progress;
    if (!bk::WriteObjects(out, objects, progress).ok) __builtin_trap();
  }
  bk::ImportResult second = bk::ImportObjectFromText(os.str());
  if (!second.object) __builtin_trap();
  if (second.object->Vertices.size() != first.object->Vertices.size() ||
      second.object->UvPoints.size() != first.object->UvPoints.size() ||
      second.object->Faces.size() != first.object->Faces.size() ||
      second.object->Materials.size() != first.object->Materials.size() ||
      (second.object->Unit == nullptr) != (first.object->Unit == nullptr)) {
    __builtin_trap();
  }
  return 0;
}
