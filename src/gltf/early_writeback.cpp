#include "model/threads.h"
#include "gltf/early_writeback.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace bk {

EarlyWriteback::EarlyWriteback(int fd) : fd_(fd), thread_(StartThread<std::thread>([this] { Run(); })) {}

EarlyWriteback::~EarlyWriteback() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_one();
  thread_.join();
}

void EarlyWriteback::Finished(std::int64_t offset, std::int64_t size) {
  if (size <= 0) return;
  {
    std::lock_guard lock(mutex_);
    ranges_.emplace_back(offset, size);
  }
  changed_.notify_one();
}

void EarlyWriteback::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !ranges_.empty() || stop_; });
    if (ranges_.empty()) return;
    const auto [offset, size] = ranges_.front();
    ranges_.pop_front();
    lock.unlock();
    ::sync_file_range(fd_, offset, size, SYNC_FILE_RANGE_WRITE);
    lock.lock();
  }
}

int RenameOver(const std::string& from, const std::string& to) {
  // O_PATH: a FIFO or device at `to` is neither opened nor waited on, and
  // O_NOFOLLOW keeps a symbolic link's target out of it.
  const int replaced = ::open(to.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
  const int renamed = std::rename(from.c_str(), to.c_str());
  const int rename_errno = errno;
  if (replaced >= 0) {
    try {
      std::thread([replaced] { ::close(replaced); }).detach();
    } catch (const std::system_error&) {
      ::close(replaced);
    }
  }
  errno = rename_errno;
  return renamed;
}

}  // namespace bk
