#include "gltf/gltf_output.h"

#include <cstring>
#include <ostream>
#include <stdexcept>

namespace bk {
namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

OutputSink::OutputSink(std::ostream* out) : out_(out) {
  if (out_ != nullptr) buffer_.reset(new char[kBufferSize]);
}

OutputSink::OutputSink(int fd) : fd_(fd), buffer_(new char[kBufferSize]) {}

OutputSink::~OutputSink() = default;

void OutputSink::Pass(const char* data, std::size_t size) {
  if (size == 0 || failed_) return;
  if (out_ != nullptr) {
    out_->write(data, static_cast<std::streamsize>(size));
  } else {
    // Remembered rather than thrown, as a stream's failure is, for Finish.
    try {
      WriteAll(fd_, data, size);
    } catch (const std::runtime_error&) {
      failed_ = true;
      return;
    }
    if (between_) between_();
  }
}

void OutputSink::Drain() {
  Pass(buffer_.get(), used_);
  used_ = 0;
}

void OutputSink::Write(const void* data, std::size_t size) {
  count_ += size;
  if (buffer_ == nullptr) return;
  if (size >= kBufferSize - used_) {
    Drain();
    Pass(static_cast<const char*>(data), size);
    return;
  }
  std::memcpy(buffer_.get() + used_, data, size);
  used_ += size;
}

void OutputSink::Zeros(std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) Put('\0');
}

void OutputSink::Splice(const SpillBuffer& bytes) {
  if (buffer_ == nullptr) {
    count_ += bytes.Size();
    return;
  }
  if (fd_ >= 0) {
    Drain();
    if (!failed_) bytes.CopyTo(fd_, between_);
    count_ += bytes.Size();
    return;
  }
  bytes.ForEachPiece([this](const char* data, std::size_t size) { Write(data, size); });
}

void OutputSink::Base64(const char* bytes, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    pending_[pendingCount_++] = static_cast<unsigned char>(bytes[i]);
    if (pendingCount_ < 3) continue;
    const unsigned group = (pending_[0] << 16) | (pending_[1] << 8) | pending_[2];
    for (int shift = 18; shift >= 0; shift -= 6) Put(kBase64[(group >> shift) & 63]);
    pendingCount_ = 0;
  }
}

void OutputSink::Base64End() {
  if (pendingCount_ == 0) return;
  const unsigned group = (pending_[0] << 16) | (pendingCount_ > 1 ? pending_[1] << 8 : 0);
  Put(kBase64[(group >> 18) & 63]);
  Put(kBase64[(group >> 12) & 63]);
  Put(pendingCount_ > 1 ? kBase64[(group >> 6) & 63] : '=');
  Put('=');
  pendingCount_ = 0;
}

bool OutputSink::Finish() {
  Drain();
  return !failed_ && (out_ == nullptr || out_->good());
}

}  // namespace bk
