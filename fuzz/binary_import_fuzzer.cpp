// Imports arbitrary bytes as a binary file, both as they stand and behind a
// little-endian binary header, through the same code as a file import. An
// object that imports must also write as ASCII and import again to the same
// shape.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cob/binary_cob.h"
#include "import_check.h"

namespace {

void ImportAndWriteBack(std::string_view bytes) {
  bk::ImportResult first = bk::ImportObjectFromText(bytes);
  if (first.object) bk::fuzz::CheckWritesAndReadsBack(*first.object);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ImportAndWriteBack(bytes);
  if (!bytes.starts_with(bk::kBinarySignature)) {
    std::string headed(bk::kBinarySignature);
    headed += "LH";
    headed.resize(31, ' ');
    headed += '\n';
    headed += bytes;
    ImportAndWriteBack(headed);
  }
  return 0;
}
