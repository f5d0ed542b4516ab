#pragma once

#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace bk {

// The output side of a trueSpace file: buffered text with the number format
// state that carries from chunk to chunk. Floats start in the general format
// (six significant digits, like printf's %g) and switch to fixed notation with
// the point always shown once the first vertex list is written. Numbers never
// depend on the user's locale. Every line ends with CR LF (EndLine).
class CobWriter {
 public:
  enum class Notation { General, Fixed };

  explicit CobWriter(std::ostream& out);
  ~CobWriter();  // flushes what is buffered
  CobWriter(const CobWriter&) = delete;
  CobWriter& operator=(const CobWriter&) = delete;

  void SetFixed(int precision);     // fixed notation, point shown, `precision` decimals
  void SetPrecision(int precision); // keeps the notation
  Notation GetNotation() const { return notation_; }
  int GetPrecision() const { return precision_; }

  CobWriter& operator<<(std::string_view text);
  CobWriter& operator<<(const char* text) { return *this << std::string_view(text); }
  CobWriter& operator<<(const std::string& text) { return *this << std::string_view(text); }
  CobWriter& operator<<(char c);
  CobWriter& operator<<(float value);
  CobWriter& operator<<(double value) = delete;  // file values are 32-bit floats
  CobWriter& operator<<(bool value) = delete;
  template <std::integral T>
    requires(!std::same_as<T, char> && !std::same_as<T, bool>)
  CobWriter& operator<<(T value) {
    WriteInteger(static_cast<long long>(value));
    return *this;
  }

  void EndLine();  // "\r\n"

  // Hands the buffered text to the stream; false when the stream has failed.
  bool Flush();
  bool Good() const;

 private:
  void WriteInteger(long long value);
  void FlushIfFull();

  std::ostream& out_;
  std::string buffer_;
  Notation notation_ = Notation::General;
  int precision_ = 6;
};

}  // namespace bk
