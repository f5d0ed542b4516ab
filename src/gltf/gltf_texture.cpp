#include "gltf/gltf_texture.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>

namespace bk {
namespace {

namespace fs = std::filesystem;

// Larger files are not textures anyone means to embed in a piece.
constexpr std::uintmax_t kMaxImageBytes = std::uintmax_t{64} << 20;

std::string BaseName(const std::string& name) {
  const std::size_t slash = name.find_last_of("/\\:");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

fs::path Find(const std::string& file, std::span<const std::string> folders) {
  std::error_code error;
  for (const std::string& folder : folders) {
    const fs::path exact = fs::path(folder) / file;
    if (fs::is_regular_file(exact, error)) return exact;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
      if (SameIgnoringCase(entry.path().filename().string(), file) && entry.is_regular_file(error)) {
        return entry.path();
      }
    }
  }
  return {};
}

bool StartsWith(const std::vector<unsigned char>& bytes, std::initializer_list<unsigned char> magic) {
  return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

std::string ConvertToPng(TextureImage& image) {
  int width = 0;
  int height = 0;
  int channels = 0;
  std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
      stbi_load_from_memory(image.Bytes.data(), static_cast<int>(image.Bytes.size()), &width, &height,
                            &channels, 0),
      stbi_image_free);
  if (!pixels) return std::string("it could not be decoded (") + stbi_failure_reason() + ")";
  std::vector<unsigned char> png;
  auto append = [](void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    const auto* bytes = static_cast<const unsigned char*>(data);
    out->insert(out->end(), bytes, bytes + size);
  };
  if (stbi_write_png_to_func(append, &png, width, height, channels, pixels.get(), width * channels) == 0) {
    return "it could not be converted to PNG";
  }
  image.Bytes = std::move(png);
  image.MimeType = "image/png";
  return {};
}

}  // namespace

std::string LoadTextureImage(const std::string& name, std::span<const std::string> folders,
                             TextureImage& image) {
  const std::string file = BaseName(name);
  if (file.empty()) return "the texture map names no file";
  const fs::path path = Find(file, folders);
  if (path.empty()) return "texture image \"" + file + "\" not found";
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || size == 0 || size > kMaxImageBytes) return "texture image " + path.string() + " is empty or too large";
  std::ifstream in(path, std::ios::binary);
  image.Bytes.resize(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(image.Bytes.data()), static_cast<std::streamsize>(size))) {
    return "texture image " + path.string() + " could not be read";
  }
  // PNG and JPEG go in as they are, once their header reads as an image.
  int width = 0;
  int height = 0;
  int channels = 0;
  const bool readable = stbi_info_from_memory(image.Bytes.data(), static_cast<int>(image.Bytes.size()), &width,
                                              &height, &channels) != 0;
  if (readable && StartsWith(image.Bytes, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) {
    image.MimeType = "image/png";
    return {};
  }
  if (readable && StartsWith(image.Bytes, {0xFF, 0xD8, 0xFF})) {
    image.MimeType = "image/jpeg";
    return {};
  }
  if (std::string why = ConvertToPng(image); !why.empty()) return "texture image " + path.string() + ": " + why;
  return {};
}

}  // namespace bk
