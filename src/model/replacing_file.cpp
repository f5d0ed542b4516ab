#include "model/replacing_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace bk {

namespace {

// A name no other writer in this or another process is likely to pick; a
// clash is caught by O_EXCL and another name is tried.
std::string CandidateName(const std::filesystem::path& folder, const std::string& file) {
  static std::atomic<unsigned> counter{0};
  const auto now = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, ".%ld.%u.%llx", static_cast<long>(::getpid()), counter++, now & 0xFFFFFFull);
  return (folder / ("." + file + suffix)).string();
}

}  // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
  Close();
  if (!committed_ && !direct_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

std::string ReplacingFile::Open() {
  namespace fs = std::filesystem;
  std::error_code ec;
  // A link is followed, so the file it names is replaced and the link stays.
  if (fs::is_symlink(target_, ec)) {
    const fs::path resolved = fs::weakly_canonical(target_, ec);
    if (!ec) target_ = resolved.string();
  }
  // A device is written to as it is (renaming over it would take a device
  // node away); anything else, a pipe included, is replaced, never opened
  // and waited on.
  if (fs::is_character_file(target_, ec) || fs::is_block_file(target_, ec)) {
    fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd_ < 0) return "could not open \"" + target_ + "\": " + std::strerror(errno);
    temporary_ = target_;
    direct_ = true;
    return {};
  }
  const fs::path target(target_);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = CandidateName(folder, target.filename().string());
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temporary_ = std::move(name);
      return {};
    }
    if (errno != EEXIST) break;
  }
  return "could not create a file in \"" + folder.string() + "\": " + std::strerror(errno);
}

bool ReplacingFile::Close() {
  if (fd_ < 0) return true;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  return closed;
}

std::string ReplacingFile::Commit(const std::function<int(const std::string&, const std::string&)>& rename) {
  if (!Close()) return "could not write \"" + target_ + "\" (is the disk full?)";
  if (direct_) return {};
  const int renamed = rename ? rename(temporary_, target_) : std::rename(temporary_.c_str(), target_.c_str());
  if (renamed != 0) return "could not write \"" + target_ + "\": " + std::strerror(errno);
  committed_ = true;
  return {};
}

}  // namespace bk
