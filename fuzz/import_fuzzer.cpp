// Imports arbitrary bytes through the same code as a file import. An object
// that imports must also write and import again to the same shape.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cob/cob_file.h"
#include "import_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bk::ImportResult first = bk::ImportObjectFromText(text);
  if (first.object) bk::fuzz::CheckWritesAndReadsBack(*first.object);
  return 0;
}
