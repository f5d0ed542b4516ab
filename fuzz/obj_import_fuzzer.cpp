// Reads arbitrary bytes as an OBJ text from memory, with no folder to read
// material files from. An object that imports must also write as a .cob and
// import again to the same shape.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/obj_import.h"
#include "import_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bk::MeshImportResult result = bk::ImportObj(text, {}, "fuzz", bk::UpAxis::Y);
  if (result.object) bk::fuzz::CheckWritesAndReadsBack(*result.object);
  return 0;
}
