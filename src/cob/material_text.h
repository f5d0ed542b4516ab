#pragma once

// Line helpers shared by the two material readers (Mat1 and PrTx). Internal to
// src/cob.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace bk {

class LineReader;

namespace material_text {

// Reads the next line of a material's body into `line` and returns true. A
// material never consumes the next chunk: when the next line is a chunk header
// it stays the reader's current line and the result is false (as it is at the
// end of the input); `line` is then empty.
bool NextBodyLine(LineReader& in, std::string_view& line);

// Cuts a line apart from the left, the way the material lines are laid out
// ("offset 0.00,0.00 repeats 1.00,1.00 flags 0"). Every step is clamped to the
// text that is left, so a short or malformed line gives zeros, never a read
// out of range.
class LineCutter {
 public:
  explicit LineCutter(std::string_view line) : rest_(line) {}

  // Removes up to `count` characters.
  void Drop(std::size_t count);
  // Removes the text through the first `c` and `after` characters more.
  void DropThrough(char c, std::size_t after = 0);
  // The text before the first `c`, converted as a real; that text and `c` are
  // removed. Without a `c` the whole rest is taken.
  float RealUpTo(char c);
  // The text before the first letter of `keyword`, converted as a real; that
  // text and the whole keyword are removed.
  float RealUpToKeyword(std::string_view keyword);
  float RestAsReal() const;
  std::int32_t RestAsInt() const;

  std::string_view Rest() const { return rest_; }

 private:
  std::string_view TakeUpTo(char c);

  std::string_view rest_;
};

// Scans "word real word real ..." into the given fields in order; as with a
// scan pattern, the first value that does not scan ends it, and the fields not
// reached keep their values.
void ScanWordReals(std::string_view line, std::initializer_list<float*> fields);
// The same with integers.
void ScanWordInts(std::string_view line, std::initializer_list<std::int32_t*> fields);

// The first `count` characters of a line, or fewer when it is shorter.
std::string_view Prefix(std::string_view line, std::size_t count);
// The line without its first `count` characters (empty when it is shorter).
std::string_view DropPrefix(std::string_view line, std::size_t count);

}  // namespace material_text
}  // namespace bk
