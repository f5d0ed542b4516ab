// Imports arbitrary bytes through the same code as a file import. An object
// that imports must also write and import again to the same shape.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "write_back_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bk::ImportResult first = bk::ImportObjectFromText(text);
  if (!first.object) return 0;

  first.object->ComputeCentroid();
  first.object->FaceMidpointCenter();
  first.object->LowerCorner();
  CheckWritesBackToTheSameShape(*first.object);
  return 0;
}
