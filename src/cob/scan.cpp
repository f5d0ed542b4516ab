#include "cob/scan.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace bk {

namespace {

// The C locale's white space; the user's locale never takes part.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view SkipLeadingBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

// Whether the number from_chars reported out of range has a negative
// exponent (underflow, which the C library turns into zero) rather than a
// large one (overflow, which it turns into infinity).
bool IsUnderflow(std::string_view number) {
  for (std::size_t i = 0; i < number.size(); ++i) {
    if (number[i] == 'e' || number[i] == 'E') {
      return i + 1 < number.size() && number[i + 1] == '-';
    }
  }
  return false;
}

// Parses a leading real number of `text` (no blanks before it) into `out`;
// returns the count of characters used, 0 when there is no number. A leading
// '+' is accepted as the C library does; from_chars alone refuses it.
template <typename T>
std::size_t ParseReal(std::string_view text, T& out) {
  std::size_t start = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    start = 1;
    // "+-1" is no number; from_chars would take the '-' itself.
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) return 0;
  }
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  T value{};
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ptr == first) return 0;
  if (ec == std::errc::result_out_of_range) {
    const std::string_view used(first, static_cast<std::size_t>(ptr - first));
    value = IsUnderflow(used) ? T(0) : std::numeric_limits<T>::infinity();
  } else if (ec != std::errc()) {
    return 0;
  }
  out = negative ? -value : value;
  return static_cast<std::size_t>(ptr - text.data());
}

// Leading sign and digits into a saturated 32-bit integer; returns the count
// of characters used, 0 when there are no digits.
std::size_t ParseInt(std::string_view text, std::int32_t& out) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t digits_start = i;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (i < text.size() && IsDigit(text[i])) {
    if (magnitude <= kCap) magnitude = magnitude * 10 + (text[i] - '0');
    ++i;
  }
  if (i == digits_start) return 0;
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) value = std::numeric_limits<std::int32_t>::min();
  out = static_cast<std::int32_t>(value);
  return i;
}

}  // namespace

double AtoF(std::string_view text) {
  double value = 0.0;
  return ParseReal(SkipLeadingBlanks(text), value) == 0 ? 0.0 : value;
}

std::int32_t AtoI(std::string_view text) {
  std::int32_t value = 0;
  return ParseInt(SkipLeadingBlanks(text), value) == 0 ? 0 : value;
}

bool Scanner::Succeed() {
  ++count_;
  return true;
}

bool Scanner::Fail() {
  failed_ = true;
  return false;
}

void Scanner::SkipBlanks() {
  if (failed_) return;
  rest_ = SkipLeadingBlanks(rest_);
}

bool Scanner::Word(std::string_view& out) {
  if (failed_) return false;
  rest_ = SkipLeadingBlanks(rest_);
  std::size_t i = 0;
  while (i < rest_.size() && !IsBlank(rest_[i])) ++i;
  if (i == 0) return Fail();
  out = rest_.substr(0, i);
  rest_.remove_prefix(i);
  return Succeed();
}

bool Scanner::Int(std::int32_t& out) {
  if (failed_) return false;
  rest_ = SkipLeadingBlanks(rest_);
  std::int32_t value = 0;
  const std::size_t used = ParseInt(rest_, value);
  if (used == 0) return Fail();
  out = value;
  rest_.remove_prefix(used);
  return Succeed();
}

bool Scanner::Float(float& out) {
  if (failed_) return false;
  rest_ = SkipLeadingBlanks(rest_);
  float value = 0.0f;
  const std::size_t used = ParseReal(rest_, value);
  if (used == 0) return Fail();
  out = value;
  rest_.remove_prefix(used);
  return Succeed();
}

bool Scanner::Chars(std::size_t count, std::string_view& out) {
  if (failed_) return false;
  if (rest_.size() < count || count == 0) return Fail();
  out = rest_.substr(0, count);
  rest_.remove_prefix(count);
  return Succeed();
}

}  // namespace bk
