#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>

#include "gltf/spill_buffer.h"

namespace bk {

// Where the glTF text and binary go: a RapidJSON output stream that either
// only counts its bytes (to learn a .glb chunk's length before writing it)
// or writes them, buffered, to a std::ostream or an open file. Spliced
// buffers are copied through in pieces, never held whole; into a file their
// spilled part is copied inside the kernel.
class OutputSink {
 public:
  using Ch = char;

  explicit OutputSink(std::ostream* out);  // null: count only
  explicit OutputSink(int fd);
  ~OutputSink();
  OutputSink(const OutputSink&) = delete;
  OutputSink& operator=(const OutputSink&) = delete;

  void Put(char c) {
    ++count_;
    if (buffer_ == nullptr) return;
    buffer_[used_++] = c;
    if (used_ == kBufferSize) Drain();
  }
  void Flush() {}
  void Write(const void* data, std::size_t size);
  void Zeros(std::size_t count);
  void Splice(const SpillBuffer& bytes);
  // Writes `bytes` as base64 continuing an encoding begun earlier; Base64End
  // writes the last (padded) group.
  void Base64(const char* bytes, std::size_t size);
  void Base64End();
  // Hands everything buffered to the stream; false when the stream failed.
  bool Finish();
  std::size_t Count() const { return count_; }
  // The open file written to, or -1 when this writes to a stream or counts.
  int File() const { return fd_; }
  // Into a file: called after each piece this writes, so that the same
  // thread can write other parts of the file in between.
  void SetBetween(std::function<void()> between) { between_ = std::move(between); }

 private:
  static constexpr std::size_t kBufferSize = std::size_t{1} << 16;
  void Drain();
  void Pass(const char* data, std::size_t size);

  std::ostream* out_ = nullptr;
  int fd_ = -1;
  bool failed_ = false;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  std::size_t count_ = 0;
  std::function<void()> between_;
  unsigned char pending_[3] = {0, 0, 0};
  int pendingCount_ = 0;
};

}  // namespace bk
