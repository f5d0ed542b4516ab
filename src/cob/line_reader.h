#pragma once

#include <cstddef>
#include <string_view>

namespace bk {

// Reads a file's text line by line. A line ends at a line feed; a carriage
// return right before the line feed belongs to the line end. Lines of any
// length are read whole. The reader does not own the text: it must outlive it.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // Makes the next line the current line and returns true; returns false and
  // leaves an empty current line when no bytes are left.
  bool ReadLine();

  // ReadLine `count` times, but without looking into any line but the last;
  // false when the text ends first (as ReadLine then).
  bool SkipLines(std::size_t count);

  // True when no bytes are left after the current line.
  bool AtEnd() const { return pos_ >= text_.size(); }

  // How many bytes follow the current line.
  std::size_t BytesLeft() const { return AtEnd() ? 0 : text_.size() - pos_; }

  std::string_view Line() const { return line_; }
  std::size_t LineNumber() const { return lineNumber_; }
  // Where the current line starts in the text (the text's size once no line is left).
  std::size_t LineOffset() const { return lineOffset_; }
  // The text from `offset` up to the current line (not included).
  std::string_view TextBefore(std::size_t offset) const {
    return text_.substr(offset, lineOffset_ - offset);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::string_view line_;
  std::size_t lineNumber_ = 0;
  std::size_t lineOffset_ = 0;
};

}  // namespace bk
