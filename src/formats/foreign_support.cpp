#include "formats/foreign_support.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace bk {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

float UnitInterval(double value) {
  return std::isnan(value) ? 1.0f : static_cast<float>(std::clamp(value, 0.0, 1.0));
}

constexpr std::uintmax_t kMaxNamedFile = std::uintmax_t{1} << 30;

}  // namespace

bool IsFileWithin(const std::filesystem::path& folder, const std::filesystem::path& path) {
  if (folder.empty()) return false;
  const std::filesystem::path full = std::filesystem::absolute(path).lexically_normal();
  const std::filesystem::path relative = full.lexically_relative(folder);
  std::error_code ec;
  return !relative.empty() && relative != "." && *relative.begin() != ".." &&
         std::filesystem::is_regular_file(full, ec);
}

bool ReadFileWithin(const std::filesystem::path& folder, const std::filesystem::path& path,
                    std::string& bytes) {
  if (!IsFileWithin(folder, path)) return false;
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxNamedFile) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.resize(static_cast<std::size_t>(size));
  file.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return !file.bad();
}

std::filesystem::path FolderOf(const std::string& path) {
  if (path.empty()) return {};
  return std::filesystem::absolute(std::filesystem::path(path)).lexically_normal().parent_path();
}

std::string PercentDecoded(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low < 0) {
      decoded += text[i];
      continue;
    }
    decoded += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return decoded;
}

std::unique_ptr<CMaterial> MaterialFromColour(const std::array<double, 4>& rgba, bool metal) {
  auto material = std::make_unique<CMaterial>();
  material->Colour = CVector(UnitInterval(rgba[0]), UnitInterval(rgba[1]), UnitInterval(rgba[2]));
  material->Alpha = UnitInterval(rgba[3]);
  material->Shader = metal ? 'm' : 'p';
  return material;
}

void SetTextureMap(CMaterial& material, const std::string& name) {
  const bool has_control = std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  });
  if (name.empty() || has_control) return;
  material.TextureName = std::make_shared<const std::string>(name);
  material.TextureFlags = 0;
  material.TextureOffset[0] = material.TextureOffset[1] = 0.0f;
  material.TextureRepeats[0] = material.TextureRepeats[1] = 1.0f;
  material.OwnsMapNames = 1;
}

}  // namespace bk
