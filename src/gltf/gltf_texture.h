#pragma once

#include <span>
#include <string>
#include <vector>

namespace bk {

// An image ready to embed in a glTF file.
struct TextureImage {
  std::vector<unsigned char> Bytes;
  std::string MimeType;  // image/png or image/jpeg
};

// Finds the image a texture map names in `folders` (in order; the name's
// own folders, written by another machine, are ignored, and a name that
// differs only in case is accepted). PNG and JPEG files are embedded as they
// are; other formats that can be decoded (BMP, TGA, GIF, ...) are converted
// to PNG. Returns a message saying why there is no image, or empty.
std::string LoadTextureImage(const std::string& name, std::span<const std::string> folders,
                             TextureImage& image);

}  // namespace bk
