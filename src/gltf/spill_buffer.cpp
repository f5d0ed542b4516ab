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
void CopyFile(int in, std::size_t size, int out, const std::function<void()>& between) {
  off64_t from = 0;
  const auto end = static_cast<off64_t>(size);
  const std::size_t step = between ? kCopyStep : size;
  while (from < end) {
    const ssize_t n =
        ::copy_file_range(in, &from, out, nullptr, std::min<std::size_t>(step, static_cast<std::size_t>(end - from)), 0);
    if (n > 0 && between) between();
    if (n > 0 || (n < 0 && errno == EINTR)) continue;
    if (n == 0 || (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)) {
      throw std::runtime_error("could not write the file (is the disk full?)");
    }
    ReadBack(in, from, static_cast<std::size_t>(end - from), [&](const char* bytes, std::size_t count) {
      WriteAll(out, bytes, count);
      if (between) between();
    });
    return;
  }
}

}  // namespace

void WriteAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("could not write the file (is the disk full?)");
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
}

SpillBuffer::SpillBuffer(std::size_t memory_limit)
    : limit_(std::max<std::size_t>(memory_limit, 64)), memory_(limit_) {}

SpillBuffer::~SpillBuffer() = default;

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

void SpillBuffer::Spill() {
  if (!file_) {
    file_.reset(std::tmpfile());
    if (!file_) throw std::runtime_error("could not make a temporary file");
  }
  WriteBlock(file_.get(), memory_.data(), used_);
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
  if (file_) {
    if (std::fflush(file_.get()) != 0) throw std::runtime_error("could not read spilled data back");
    ReadBack(fileno(file_.get()), 0, spilled_, sink);
  }
  if (used_ > 0) sink(memory_.data(), used_);
}

void SpillBuffer::CopyTo(int fd, const std::function<void()>& between) const {
  if (file_) {
    if (std::fflush(file_.get()) != 0) throw std::runtime_error("could not read a temporary file back");
    CopyFile(fileno(file_.get()), spilled_, fd, between);
  }
  if (used_ > 0) WriteAll(fd, memory_.data(), used_);
}

}  // namespace bk
