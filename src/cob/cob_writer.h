#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bk {

// The output side of a trueSpace file: buffered text with the number format
// state that carries from chunk to chunk. Floats start in the general format
// (six significant digits, like printf's %g) and switch to fixed notation with
// the point always shown once the first vertex list is written. Numbers never
// depend on the user's locale. Every line ends with CR LF (EndLine).
//
// A writer either hands its text to a stream through a buffer of fixed size,
// or keeps all of it in memory (for text made ahead of where the file has
// got to, which is then copied into the file with WriteFormatted).
class CobWriter {
 public:
  enum class Notation { General, Fixed };
  struct Format {
    Notation notation = Notation::General;
    int precision = 6;
    friend bool operator==(const Format&, const Format&) = default;
  };
  // Thrown by a writer in memory when its text would pass its limit.
  struct TooLong {};

  explicit CobWriter(std::ostream& out);
  // A writer in memory that starts in `start`. Fresh ids are not taken from
  // the counter here: each leaves a gap in the text, at FreshIdOffsets.
  CobWriter(Format start, std::size_t limit);
  ~CobWriter();  // a stream writer flushes what is buffered
  CobWriter(const CobWriter&) = delete;
  CobWriter& operator=(const CobWriter&) = delete;

  void SetFixed(int precision);     // fixed notation, point shown, `precision` decimals
  void SetPrecision(int precision); // keeps the notation
  Notation GetNotation() const { return format_.notation; }
  int GetPrecision() const { return format_.precision; }
  Format GetFormat() const { return format_; }
  void SetFormat(Format format) { format_ = format; }

  CobWriter& operator<<(std::string_view text) {
    if (text.size() > kLongText) return WriteLong(text);
    Room(text.size());
    std::memcpy(pos_, text.data(), text.size());
    pos_ += text.size();
    return *this;
  }
  CobWriter& operator<<(const char* text) { return *this << std::string_view(text); }
  CobWriter& operator<<(const std::string& text) { return *this << std::string_view(text); }
  CobWriter& operator<<(char c) {
    Room(1);
    *pos_++ = c;
    return *this;
  }
  CobWriter& operator<<(float value);
  // Writes `value` at `out` as a writer in `format` does (room for 400
  // characters); returns the end of the text.
  static char* FormatFloat(char* out, Format format, float value);
  CobWriter& operator<<(double value) = delete;  // file values are 32-bit floats
  CobWriter& operator<<(bool value) = delete;
  template <std::integral T>
    requires(!std::same_as<T, char> && !std::same_as<T, bool>)
  CobWriter& operator<<(T value) {
    Room(kMaxIntegerText);
    pos_ = std::to_chars(pos_, pos_ + kMaxIntegerText, static_cast<long long>(value)).ptr;
    return *this;
  }

  void EndLine() {  // "\r\n"
    Room(2);
    pos_[0] = '\r';
    pos_[1] = '\n';
    pos_ += 2;
  }

  // Takes the next id from ChunkIdCounter and writes it (in memory: leaves
  // its gap).
  void WriteFreshId();

  // Writes text that a writer in memory made: `text` is a stretch of its
  // text that starts at offset `from` of it, and the gaps at `gaps` that lie
  // within it are filled with fresh ids as WriteFreshId does.
  void WriteFormatted(std::string_view text, std::size_t from, std::span<const std::size_t> gaps);

  // In memory: empties the text and its gaps, keeps the memory, and starts
  // again in `start`.
  void Restart(Format start);
  // In memory: the text so far, and the offsets of its fresh-id gaps.
  std::string_view Text() const { return {storage_.get(), static_cast<std::size_t>(pos_ - storage_.get())}; }
  const std::vector<std::size_t>& FreshIdOffsets() const { return gaps_; }

  // Hands the buffered text to the stream; false when the stream has failed.
  // In memory: nothing to do, true.
  bool Flush();
  bool Good() const;

 private:
  static constexpr std::size_t kLongText = 256;
  static constexpr std::size_t kMaxIntegerText = 24;

  void Room(std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - pos_) < bytes) MakeRoom(bytes);
  }
  void MakeRoom(std::size_t bytes);
  CobWriter& WriteLong(std::string_view text);
  void Drain();

  std::ostream* out_ = nullptr;  // null: in memory
  std::size_t limit_ = 0;        // in memory: the most text allowed
  std::unique_ptr<char[]> storage_;
  char* pos_ = nullptr;
  char* end_ = nullptr;
  std::vector<std::size_t> gaps_;
  Format format_;
};

// The value a reader finds where `value` was written in `format`: what a
// .cob file holds of it. Exports made from an explosion in memory go through
// this so that they carry exactly the values the .cob beside them carries.
float AsWritten(CobWriter::Format format, float value);

}  // namespace bk
