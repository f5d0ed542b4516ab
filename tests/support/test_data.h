#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace bk::testing {

// The folder of real trueSpace files kept beside the repository (empty path
// when it is absent).
std::filesystem::path RealDataDir();
// A real file by name, or an empty path when the folder or the file is absent.
std::filesystem::path RealFile(const std::string& name);
// A real binary file by name from the folder BURSTKIN_REAL_BINARY_DATA names,
// or else "real-binary" beside the real files' folder; empty when absent.
std::filesystem::path RealBinaryFile(const std::string& name);
// Reads a whole file as bytes.
std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace bk::testing

// Skips the current test with a clear message when the real files are absent.
#define BK_REQUIRE_FILE_FROM(var, finder, name, where)                                       \
  const std::filesystem::path var = ::bk::testing::finder(name);                            \
  if (var.empty()) GTEST_SKIP() << "real test file " << (name) << " not found (" where      \
                                   "); skipping"
#define BK_REQUIRE_REAL_FILE(var, name)                                                      \
  BK_REQUIRE_FILE_FROM(var, RealFile, name,                                                  \
                       "set BURSTKIN_REAL_DATA or provide ../shared/testdata/real")
#define BK_REQUIRE_REAL_BINARY_FILE(var, name)                                               \
  BK_REQUIRE_FILE_FROM(var, RealBinaryFile, name,                                            \
                       "set BURSTKIN_REAL_BINARY_DATA or provide ../shared/testdata/real-binary")
