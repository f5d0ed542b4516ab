#pragma once

#include <filesystem>
#include <string>

namespace bk::testing {

// The text of a small ASCII trueSpace file with one PolH chunk: a strip of
// `faces` triangles (faces + 2 vertices along x, alternating in z), every
// `hole_every`-th face followed by a hole (0: none), one unit, no materials.
std::string StripObjectText(int faces, int hole_every = 0);

// A fresh, empty folder for one test's files, removed by the destructor.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Writes `text` to a file in the folder and returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

}  // namespace bk::testing
