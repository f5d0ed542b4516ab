#include "cob/line_reader.h"

#include <cstring>

namespace bk {

bool LineReader::ReadLine() {
  if (pos_ >= text_.size()) {
    line_ = {};
    lineOffset_ = text_.size();
    return false;
  }
  lineOffset_ = pos_;
  const char* start = text_.data() + pos_;
  const std::size_t left = text_.size() - pos_;
  const void* found = std::memchr(start, '\n', left);
  std::size_t length = found ? static_cast<std::size_t>(static_cast<const char*>(found) - start) : left;
  pos_ += found ? length + 1 : length;
  // A carriage return right before the line feed belongs to the line end.
  if (found && length > 0 && start[length - 1] == '\r') --length;
  line_ = std::string_view(start, length);
  ++lineNumber_;
  return true;
}

bool LineReader::SkipLines(std::size_t count) {
  if (count == 0) return true;
  for (std::size_t i = 1; i < count; ++i) {
    if (pos_ >= text_.size()) return ReadLine();
    const char* start = text_.data() + pos_;
    const void* found = std::memchr(start, '\n', text_.size() - pos_);
    pos_ = found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data()) + 1 : text_.size();
    ++lineNumber_;
  }
  return ReadLine();
}

}  // namespace bk
