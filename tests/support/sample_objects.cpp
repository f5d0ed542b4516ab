#include "support/sample_objects.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace bk::testing {

std::string StripObjectText(int faces, int hole_every) {
  const int vertices = faces + 2;
  int holes = 0;
  if (hole_every > 0) holes = faces / hole_every;
  std::ostringstream out;
  out << "Caligari V00.01ALH             \n";
  out << "PolH V0.08 Id 18000 Parent 0 Size 00001000\n";
  out << "Name Strip\n";
  out << "center 0 0 0\n";
  out << "x axis 1 0 0\n";
  out << "y axis 0 1 0\n";
  out << "z axis 0 0 1\n";
  out << "Transform\n";
  out << "1 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n";
  out << "World Vertices " << vertices << "\n";
  for (int i = 0; i < vertices; ++i) {
    out << i << ".000000 " << (i % 3) << ".000000 " << (i % 2) << ".000000\n";
  }
  out << "Texture Vertices 1\n0.000000 0.000000\n";
  out << "Faces " << faces + holes << "\n";
  for (int f = 0; f < faces; ++f) {
    out << "Face verts 3 flags 0 mat 0\n";
    out << "<" << f << ",0> <" << f + 1 << ",0> <" << f + 2 << ",0> \n";
    if (hole_every > 0 && (f + 1) % hole_every == 0) {
      out << "Hole verts 3\n";
      out << "<" << f << ",0> <" << f + 1 << ",0> <" << f + 2 << ",0> \n";
    }
  }
  out << "Unit V0.01 Id 18001 Parent 18000 Size 00000009\n";
  out << "Units 1\n";
  out << "END  V1.00 Id 0 Parent 0 Size        0";
  return out.str();
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device seed;
  path_ = std::filesystem::temp_directory_path() /
          ("burstkin-test-" + std::to_string(seed()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::Write(const std::string& name, const std::string& text) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream out(file, std::ios::binary);
  out << text;
  return file;
}

}  // namespace bk::testing
