// Reads arbitrary bytes as a file that Burstkin wrote, the way the glTF
// converter and the viewer take files they are given. A file the reader
// accepts must also convert to glTF.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cob/exploded_file.h"
#include "gltf/gltf_export.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bk::ExplodedReadResult read = bk::ReadExplodedFile(text);
  if (!read.ok()) return 0;
  std::string bytes;
  bk::BuildGltf(bk::GltfGroupsOf(read.File), bk::GltfOptions{}, true, bytes);
  return 0;
}
