#include "cob/cob_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <ostream>

namespace bk {

namespace {

constexpr std::size_t kFlushAt = 1 << 16;

// Powers of ten whose odd part (5^n) is small enough that a float times it is
// exact in a double: 24 bits of mantissa plus at most 28 bits of 5^n.
constexpr double kPowersOfTen[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
constexpr std::uint64_t kIntPowersOfTen[] = {1ull,          10ull,          100ull,
                                             1000ull,       10000ull,       100000ull,
                                             1000000ull,    10000000ull,    100000000ull,
                                             1000000000ull, 10000000000ull, 100000000000ull,
                                             1000000000000ull};
constexpr int kMaxFastPrecision = 12;

// printf("%.Nf") of a float for the common case, without the general-purpose
// conversion: |value| * 10^N is exact in a double, so rounding it to the
// nearest integer (ties to even, as the C library rounds exact decimals) gives
// the same digits. Returns the end of the text, or nullptr when the value is
// outside the fast range.
char* FastFixed(char* out, float value, int precision) {
  if (precision < 0 || precision > kMaxFastPrecision || !std::isfinite(value)) return nullptr;
  const double magnitude = std::fabs(static_cast<double>(value));
  if (magnitude >= 1e6) return nullptr;  // keeps the scaled value far below 2^63
  const double scaled = std::nearbyint(magnitude * kPowersOfTen[precision]);
  const auto whole = static_cast<std::uint64_t>(scaled);
  const std::uint64_t unit = kIntPowersOfTen[precision];
  std::uint64_t integer_part = whole / unit;
  std::uint64_t fraction = whole % unit;
  if (std::signbit(value)) *out++ = '-';
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + integer_part % 10);
    integer_part /= 10;
  } while (integer_part != 0);
  while (n > 0) *out++ = digits[--n];
  *out++ = '.';
  for (int i = precision - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + fraction % 10);
    fraction /= 10;
  }
  return out + precision;
}

}  // namespace

CobWriter::CobWriter(std::ostream& out) : out_(out) { buffer_.reserve(kFlushAt + 256); }

CobWriter::~CobWriter() { Flush(); }

void CobWriter::SetFixed(int precision) {
  notation_ = Notation::Fixed;
  precision_ = precision;
}

void CobWriter::SetPrecision(int precision) { precision_ = precision; }

CobWriter& CobWriter::operator<<(std::string_view text) {
  buffer_.append(text);
  FlushIfFull();
  return *this;
}

CobWriter& CobWriter::operator<<(char c) {
  buffer_.push_back(c);
  FlushIfFull();
  return *this;
}

CobWriter& CobWriter::operator<<(float value) {
  char text[400];  // the longest fixed text of a float (about 1e38 with decimals) fits
  char* end = nullptr;
  if (notation_ == Notation::Fixed) {
    end = FastFixed(text, value, precision_);
    if (end == nullptr) {
      end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision_).ptr;
      // The decimal point is always shown, also with no decimals.
      if (precision_ == 0 && std::isfinite(value)) *end++ = '.';
    }
  } else {
    end = std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                        precision_ == 0 ? 1 : precision_)
              .ptr;
  }
  buffer_.append(text, static_cast<std::size_t>(end - text));
  FlushIfFull();
  return *this;
}

void CobWriter::WriteInteger(long long value) {
  char text[24];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  buffer_.append(text, static_cast<std::size_t>(end - text));
  FlushIfFull();
}

void CobWriter::EndLine() {
  buffer_.append("\r\n", 2);
  FlushIfFull();
}

bool CobWriter::Flush() {
  if (!buffer_.empty()) {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }
  out_.flush();
  return out_.good();
}

bool CobWriter::Good() const { return out_.good(); }

void CobWriter::FlushIfFull() {
  if (buffer_.size() >= kFlushAt) {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }
}

}  // namespace bk
