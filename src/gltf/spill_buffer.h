#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace bk {

// Writes all of `bytes` to the open file `fd`; throws std::runtime_error
// when it cannot.
void WriteAll(int fd, const char* bytes, std::size_t size);

// Bytes appended in order and read back whole, held in memory up to a small
// limit and beyond it in an anonymous temporary file, so that a very large
// export needs no more memory than that limit per buffer. Also a RapidJSON
// output stream (Ch, Put, Flush). A temporary file that cannot be made or
// written throws std::runtime_error.
class SpillBuffer {
 public:
  using Ch = char;

  explicit SpillBuffer(std::size_t memory_limit = std::size_t{1} << 16);
  ~SpillBuffer();
  SpillBuffer(const SpillBuffer&) = delete;
  SpillBuffer& operator=(const SpillBuffer&) = delete;

  void Put(char c) {
    if (used_ == limit_) Spill();
    memory_[used_++] = c;
  }
  void Flush() {}
  void Append(const void* data, std::size_t size) {
    if (size <= limit_ - used_) {
      std::memcpy(memory_.data() + used_, data, size);
      used_ += size;
    } else {
      AppendInPieces(static_cast<const char*>(data), size);
    }
  }
  std::size_t Size() const { return spilled_ + used_; }
  // Room for `size` bytes written in place and then kept with Advance: one
  // check for a whole token instead of a check per character.
  char* Room(std::size_t size) {
    if (size > limit_ - used_) MakeRoom(size);
    return memory_.data() + used_;
  }
  void Advance(std::size_t size) { used_ += size; }

  // Hands every byte, in order and in pieces, to `sink`.
  void ForEachPiece(const std::function<void(const char*, std::size_t)>& sink) const;
  // Writes every byte, in order, to the open file `fd` as WriteAll does;
  // the spilled part is copied inside the kernel where it can be, and with
  // `between` in steps, calling it after each (to report progress and see a
  // cancel). Throws std::runtime_error when reading or writing fails.
  void CopyTo(int fd, const std::function<void()>& between = {}) const;

 private:
  void Spill();
  void MakeRoom(std::size_t size);
  void AppendInPieces(const char* bytes, std::size_t size);

  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  std::size_t limit_;
  std::vector<char> memory_;
  std::size_t used_ = 0;
  std::size_t spilled_ = 0;
  std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace bk
