#include "support/test_data.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace bk::testing {

std::filesystem::path RealDataDir() {
  const char* env = std::getenv("BURSTKIN_REAL_DATA");
  std::filesystem::path dir = (env != nullptr && *env != '\0') ? env : BURSTKIN_REAL_DATA_DEFAULT;
  std::error_code ec;
  return std::filesystem::is_directory(dir, ec) ? dir : std::filesystem::path();
}

namespace {

std::filesystem::path FileIn(const std::filesystem::path& dir, const std::string& name) {
  if (dir.empty()) return {};
  auto path = dir / name;
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) ? path : std::filesystem::path();
}

}  // namespace

std::filesystem::path RealFile(const std::string& name) { return FileIn(RealDataDir(), name); }

std::filesystem::path RealBinaryFile(const std::string& name) {
  const char* env = std::getenv("BURSTKIN_REAL_BINARY_DATA");
  if (env != nullptr && *env != '\0') return FileIn(env, name);
  const std::filesystem::path real = RealDataDir();
  return real.empty() ? std::filesystem::path() : FileIn(real.parent_path() / "real-binary", name);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace bk::testing
