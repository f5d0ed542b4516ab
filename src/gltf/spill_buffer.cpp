#include "model/threads.h"
#include "gltf/spill_buffer.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <unistd.h>

namespace bk {
namespace {

void WriteBlock(std::FILE* file, const char* bytes, std::size_t size) {
  if (std::fwrite(bytes, 1, size, file) != size) {
    throw std::runtime_error("could not write the file or its temporary data (is the disk full?)");
  }
}

constexpr std::size_t kCopyStep = std::size_t{1} << 20;

// Hands bytes [from, from + size) of the open file `fd` to `sink`, in pieces
// of at most kCopyStep, without moving the file's own position.
void ReadBack(int fd, std::int64_t from, std::size_t size,
              const std::function<void(const char*, std::size_t)>& sink) {
  std::vector<char> piece(std::min(size, kCopyStep));
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::pread(fd, piece.data(), std::min(size - done, piece.size()),
                              from + static_cast<std::int64_t>(done));
    if (n <= 0) throw std::runtime_error("could not read spilled data back");
    sink(piece.data(), static_cast<std::size_t>(n));
    done += static_cast<std::size_t>(n);
  }
}

// Appends the first `size` bytes of file `in` to `out`: inside the kernel,
// or through memory where the kernel or the file systems cannot. With
// `between`, in steps of kCopyStep bytes, calling it after each.
void CopyFile(int in, std::size_t size, int out, std::int64_t* at, const std::function<void()>& between) {
  off64_t from = 0;
  const auto end = static_cast<off64_t>(size);
  off64_t to = at != nullptr ? *at : 0;
  const std::size_t step = between ? kCopyStep : size;
  while (from < end) {
    const ssize_t n = ::copy_file_range(in, &from, out, at != nullptr ? &to : nullptr,
                                        std::min<std::size_t>(step, static_cast<std::size_t>(end - from)), 0);
    if (at != nullptr) *at = to;
    if (n > 0 && between) between();
    if (n > 0 || (n < 0 && errno == EINTR)) continue;
    if (n == 0 || (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)) {
      throw std::runtime_error("could not write the file (is the disk full?)");
    }
    ReadBack(in, from, static_cast<std::size_t>(end - from), [&](const char* bytes, std::size_t count) {
      WriteAll(out, bytes, count, at);
      if (between) between();
    });
    return;
  }
}

}  // namespace

void WriteAll(int fd, const char* bytes, std::size_t size, std::int64_t* at) {
  while (size > 0) {
    const ssize_t n = at != nullptr ? ::pwrite(fd, bytes, size, *at) : ::write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("could not write the file (is the disk full?)");
    if (at != nullptr) *at += n;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
}

SpillWriter::SpillWriter() : thread_(StartThread<std::thread>([this] { Run(); })) {}

SpillWriter::~SpillWriter() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  work_.notify_one();
  thread_.join();
}

SpillWriter::Block SpillWriter::Hand(std::FILE* file, Block block, std::size_t size) {
  return Queue({file, -1, 0, std::move(block), size});
}

SpillWriter::Block SpillWriter::HandAt(int fd, std::int64_t at, Block block, std::size_t size) {
  return Queue({nullptr, fd, at, std::move(block), size});
}

bool SpillWriter::Write(Job& job) {
  if (job.file != nullptr) return std::fwrite(job.block.data(), 1, job.size, job.file) == job.size;
  try {
    WriteAll(job.fd, job.block.data(), job.size, &job.at);
  } catch (const std::runtime_error&) {
    return false;
  }
  return true;
}

SpillWriter::Block SpillWriter::Queue(Job job) {
  const std::size_t capacity = job.block.size();
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return jobs_.size() < kMaxWaiting || failed_; });
  if (failed_) throw std::runtime_error("could not write the file or its temporary data (is the disk full?)");
  jobs_.push_back(std::move(job));
  // The thread sleeps until this many blocks wait: one wake-up for several.
  const bool wake = jobs_.size() == kWakeAt;
  Block empty;
  if (!free_.empty() && free_.back().size() == capacity) {
    empty = std::move(free_.back());
    free_.pop_back();
  }
  lock.unlock();
  if (wake) work_.notify_one();
  if (empty.size() != capacity) empty.resize(capacity);
  return empty;
}

void SpillWriter::Wait() {
  std::unique_lock lock(mutex_);
  ++draining_;
  work_.notify_one();
  done_.wait(lock, [this] { return (jobs_.empty() && !busy_) || failed_; });
  --draining_;
  if (failed_) throw std::runtime_error("could not write the file or its temporary data (is the disk full?)");
}

void SpillWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    work_.wait(lock, [this] { return jobs_.size() >= kWakeAt || (draining_ > 0 && !jobs_.empty()) || stop_; });
    if (jobs_.empty()) return;
    while (!jobs_.empty()) {
      Job job = std::move(jobs_.front());
      jobs_.pop_front();
      busy_ = true;
      const bool skip = failed_;
      lock.unlock();
      const bool written = skip || Write(job);
      lock.lock();
      busy_ = false;
      failed_ = failed_ || !written;
      if (free_.size() < kMaxWaiting) free_.push_back(std::move(job.block));
      done_.notify_all();
    }
  }
}

SpillBuffer::SpillBuffer(std::size_t memory_limit, SpillWriter* writer)
    : limit_(std::max<std::size_t>(memory_limit, 64)), memory_(limit_), writer_(writer) {}

SpillBuffer::~SpillBuffer() {
  // The writer's thread may still hold blocks for this file.
  if (writer_ != nullptr && (file_ || (placeFd_ >= 0 && spilled_ > 0))) {
    try {
      writer_->Wait();
    } catch (const std::runtime_error&) {
      // Already reported to whoever read the buffer, or the export failed anyway.
    }
  }
}

void SpillBuffer::AppendInPieces(const char* bytes, std::size_t size) {
  while (size > 0) {
    if (used_ == limit_) Spill();
    const std::size_t n = std::min(size, limit_ - used_);
    std::memcpy(memory_.data() + used_, bytes, n);
    used_ += n;
    bytes += n;
    size -= n;
  }
}

void SpillBuffer::KeepInPlace(int fd, std::int64_t at) {
  if (spilled_ > 0 || file_) throw std::runtime_error("bytes already spilled cannot be kept in place");
  placeFd_ = fd;
  placeAt_ = at;
}

void SpillBuffer::Spill() {
  if (placeFd_ >= 0) {
    std::int64_t at = placeAt_ + static_cast<std::int64_t>(spilled_);
    if (writer_ != nullptr) {
      memory_ = writer_->HandAt(placeFd_, at, std::move(memory_), used_);
    } else {
      WriteAll(placeFd_, memory_.data(), used_, &at);
    }
    spilled_ += used_;
    used_ = 0;
    return;
  }
  if (!file_) {
    file_.reset(std::tmpfile());
    if (!file_) throw std::runtime_error("could not make a temporary file");
  }
  if (writer_ != nullptr) {
    memory_ = writer_->Hand(file_.get(), std::move(memory_), used_);
  } else {
    WriteBlock(file_.get(), memory_.data(), used_);
  }
  spilled_ += used_;
  used_ = 0;
}

void SpillBuffer::MakeRoom(std::size_t size) {
  if (used_ > 0) Spill();
  if (size > limit_) {
    limit_ = size;
    memory_.resize(size);
  }
}

void SpillBuffer::ForEachPiece(const std::function<void(const char*, std::size_t)>& sink) const {
  if (placeFd_ >= 0 && spilled_ > 0) {
    if (writer_ != nullptr) writer_->Wait();
    ReadBack(placeFd_, placeAt_, spilled_, sink);
  }
  if (file_) {
    if (writer_ != nullptr) writer_->Wait();
    if (std::fflush(file_.get()) != 0) throw std::runtime_error("could not read spilled data back");
    ReadBack(fileno(file_.get()), 0, spilled_, sink);
  }
  if (used_ > 0) sink(memory_.data(), used_);
}

void SpillBuffer::CopyTo(int fd, std::int64_t* at, const std::function<void()>& between) const {
  if (placeFd_ >= 0) return FinishInPlace(fd, at);
  if (file_) {
    if (writer_ != nullptr) writer_->Wait();
    if (std::fflush(file_.get()) != 0) throw std::runtime_error("could not read a temporary file back");
    CopyFile(fileno(file_.get()), spilled_, fd, at, between);
  }
  if (used_ > 0) WriteAll(fd, memory_.data(), used_, at);
}

// The spilled bytes are already in `fd` where they belong: what was asked
// for must be that place; then only the bytes still in memory are written.
void SpillBuffer::FinishInPlace(int fd, std::int64_t* at) const {
  if (writer_ != nullptr && spilled_ > 0) writer_->Wait();
  const std::int64_t where = at != nullptr ? *at : ::lseek(fd, 0, SEEK_CUR);
  if (fd != placeFd_ || where != placeAt_) throw std::runtime_error("bytes kept in place were asked for elsewhere");
  const std::int64_t after = placeAt_ + static_cast<std::int64_t>(spilled_);
  if (at != nullptr) {
    *at = after;
  } else if (::lseek(fd, after, SEEK_SET) != after) {
    throw std::runtime_error("could not write the file");
  }
  if (used_ > 0) WriteAll(fd, memory_.data(), used_, at);
}

}  // namespace bk
