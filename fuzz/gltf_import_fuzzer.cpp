// Reads arbitrary bytes as a glTF document (.glb or .gltf) from memory, with
// no folder to read other files from. An object that imports must also
// write as a .cob and import again to the same shape.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/gltf_import.h"
#include "import_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  bk::MeshImportResult result = bk::ImportGltf(bytes, {}, "fuzz");
  if (result.object) bk::fuzz::CheckWritesAndReadsBack(*result.object);
  return 0;
}
