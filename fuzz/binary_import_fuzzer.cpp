// Imports arbitrary bytes as a binary file, both as they stand and behind a
// little-endian binary header, through the same code as a file import. An
// object that imports must also write as ASCII and import again to the same
// shape.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "cob/binary_cob.h"
#include "cob/cob_writer.h"
#include "model/progress.h"

namespace {

void ImportAndWriteBack(std::string_view bytes) {
  bk::ImportResult first = bk::ImportObjectFromText(bytes);
  if (!first.object) return;

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
      second.object->HoleCount != first.object->HoleCount ||
      second.object->Materials.size() != first.object->Materials.size() ||
      (second.object->Unit == nullptr) != (first.object->Unit == nullptr)) {
    __builtin_trap();
  }
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
