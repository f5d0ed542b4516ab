#include "gltf/early_writeback.h"

#include <fcntl.h>

namespace bk {

EarlyWriteback::EarlyWriteback(int fd) : fd_(fd), thread_([this] { Run(); }) {}

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

}  // namespace bk
