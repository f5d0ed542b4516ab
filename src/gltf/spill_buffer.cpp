#include "gltf/spill_buffer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace bk {

SpillBuffer::SpillBuffer(std::size_t memory_limit)
    : limit_(std::max<std::size_t>(memory_limit, 64)), memory_(new char[limit_]) {}

void SpillBuffer::AppendInPieces(const char* bytes, std::size_t size) {
  while (size > 0) {
    if (used_ == limit_) Spill();
    const std::size_t n = std::min(size, limit_ - used_);
    std::memcpy(memory_.get() + used_, bytes, n);
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
  if (std::fwrite(memory_.get(), 1, used_, file_.get()) != used_) {
    throw std::runtime_error("could not write a temporary file (is the disk full?)");
  }
  spilled_ += used_;
  used_ = 0;
}

void SpillBuffer::ForEachPiece(const std::function<void(const char*, std::size_t)>& sink) const {
  if (file_) {
    // The file is only ever appended to; reading it from the start leaves
    // the next append (if any) at its end again.
    std::FILE* f = file_.get();
    if (std::fflush(f) != 0 || std::fseek(f, 0, SEEK_SET) != 0) {
      throw std::runtime_error("could not read a temporary file back");
    }
    std::vector<char> piece(std::min<std::size_t>(spilled_, std::size_t{1} << 20));
    std::size_t left = spilled_;
    while (left > 0) {
      const std::size_t n = std::fread(piece.data(), 1, std::min(left, piece.size()), f);
      if (n == 0) throw std::runtime_error("could not read a temporary file back");
      sink(piece.data(), n);
      left -= n;
    }
    std::fseek(f, 0, SEEK_END);
  }
  if (used_ > 0) sink(memory_.get(), used_);
}

}  // namespace bk
