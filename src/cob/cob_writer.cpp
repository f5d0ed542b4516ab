#include "cob/cob_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ostream>

#include "cob/scan.h"
#include "model/chunk_id.h"

namespace bk {

namespace {

// Powers of ten whose odd part (5^n) is small enough that a float times it is
// exact in a double: 24 bits of mantissa plus at most 28 bits of 5^n.
constexpr double kPowersOfTen[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
constexpr std::uint64_t kIntPowersOfTen[] = {1ull,          10ull,          100ull,
                                             1000ull,       10000ull,       100000ull,
                                             1000000ull,    10000000ull,    100000000ull,
                                             1000000000ull, 10000000000ull, 100000000000ull,
                                             1000000000000ull};
constexpr int kMaxFastPrecision = 12;

// "00" to "99", for writing two digits at a time.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The `precision` digits after the point of whole / 10^precision, then the
// digits before it; inlined into the common precisions so that the divisions
// are by constants.
[[gnu::always_inline]] inline char* FixedText(char* out, std::uint64_t whole, bool negative, int precision) {
  const std::uint64_t unit = kIntPowersOfTen[precision];
  if (negative) *out++ = '-';
  out = std::to_chars(out, out + 24, whole / unit).ptr;
  *out++ = '.';
  std::uint64_t fraction = whole % unit;
  char* digit = out + precision;
  int left = precision;
  for (; left >= 2; left -= 2) {
    digit -= 2;
    std::memcpy(digit, &kDigitPairs[2 * (fraction % 100)], 2);
    fraction /= 100;
  }
  if (left == 1) digit[-1] = static_cast<char>('0' + fraction);
  return out + precision;
}

// printf("%.Nf") of a float for the common case, without the general-purpose
// conversion: |value| * 10^N is exact in a double, so rounding it to the
// nearest integer (ties to even, as the C library rounds exact decimals) gives
// the same digits. Returns the end of the text, or nullptr when the value is
// outside the fast range.
// |value| * 10^precision rounded to a whole number, for the precisions and
// magnitudes where that is exact; false outside them.
bool ScaledWhole(float value, int precision, std::uint64_t& whole) {
  if (precision < 0 || precision > kMaxFastPrecision || !std::isfinite(value)) return false;
  const double magnitude = std::fabs(static_cast<double>(value));
  if (magnitude >= 1e6) return false;  // keeps the scaled value far below 2^63
  double scaled = magnitude * kPowersOfTen[precision];
  // Rounds as nearbyint does, without a call: below 2^52, adding 2^52 leaves
  // no bits after the point and taking it away again gives the rounded
  // value; from 2^52 on every double is whole already.
  constexpr double kTwoTo52 = 4503599627370496.0;
  if (scaled < kTwoTo52) scaled = (scaled + kTwoTo52) - kTwoTo52;
  whole = static_cast<std::uint64_t>(scaled);
  return true;
}

char* FastFixed(char* out, float value, int precision) {
  std::uint64_t whole = 0;
  if (!ScaledWhole(value, precision, whole)) return nullptr;
  const bool negative = std::signbit(value);
  switch (precision) {
    case 6: return FixedText(out, whole, negative, 6);
    case 2: return FixedText(out, whole, negative, 2);
    default: return FixedText(out, whole, negative, precision);
  }
}

constexpr std::size_t kStreamBuffer = std::size_t{1} << 18;
constexpr std::size_t kFirstMemoryBuffer = std::size_t{1} << 16;
// Room for the longest text of a float: fixed notation of about 3.4e38 with
// its decimals.
constexpr std::size_t kMaxFloatText = 400;

}  // namespace

CobWriter::CobWriter(std::ostream& out)
    : out_(&out), storage_(std::make_unique_for_overwrite<char[]>(kStreamBuffer)) {
  pos_ = storage_.get();
  end_ = pos_ + kStreamBuffer;
}

CobWriter::CobWriter(Format start, std::size_t limit)
    : limit_(limit), storage_(std::make_unique_for_overwrite<char[]>(kFirstMemoryBuffer)), format_(start) {
  pos_ = storage_.get();
  end_ = pos_ + kFirstMemoryBuffer;
}

CobWriter::~CobWriter() {
  if (out_ != nullptr) Flush();
}

void CobWriter::Restart(Format start) {
  pos_ = storage_.get();
  gaps_.clear();
  format_ = start;
}

void CobWriter::SetFixed(int precision) { format_ = Format{Notation::Fixed, precision}; }

void CobWriter::SetPrecision(int precision) { format_.precision = precision; }

char* CobWriter::FormatFloat(char* out, Format format, float value) {
  const int precision = format.precision;
  if (format.notation == Notation::Fixed) {
    char* end = FastFixed(out, value, precision);
    if (end == nullptr) {
      end = std::to_chars(out, out + kMaxFloatText, value, std::chars_format::fixed, precision).ptr;
      // The decimal point is always shown, also with no decimals.
      if (precision == 0 && std::isfinite(value)) *end++ = '.';
    }
    return end;
  }
  return std::to_chars(out, out + kMaxFloatText, value, std::chars_format::general, precision == 0 ? 1 : precision)
      .ptr;
}

CobWriter& CobWriter::operator<<(float value) {
  Room(kMaxFloatText);
  pos_ = FormatFloat(pos_, format_, value);
  return *this;
}

float AsWritten(CobWriter::Format format, float value) {
  // Up to six decimals, whole / 10^precision divided in double and narrowed
  // is the float nearest the decimal: the decimal lies too far from any
  // midpoint between two floats for the double's rounding to matter.
  std::uint64_t whole = 0;
  if (format.notation == CobWriter::Notation::Fixed && format.precision <= 6 &&
      ScaledWhole(value, format.precision, whole)) {
    const double magnitude = static_cast<double>(whole) / kPowersOfTen[format.precision];
    return static_cast<float>(std::signbit(value) ? -magnitude : magnitude);
  }
  char text[kMaxFloatText];
  const char* end = CobWriter::FormatFloat(text, format, value);
  float read = 0.0f;
  Scanner(std::string_view(text, static_cast<std::size_t>(end - text))).Float(read);
  return read;
}

void CobWriter::WriteFreshId() {
  if (out_ == nullptr) {
    gaps_.push_back(static_cast<std::size_t>(pos_ - storage_.get()));
  } else {
    *this << ChunkIdCounter::Next();
  }
}

void CobWriter::WriteFormatted(std::string_view text, std::size_t from, std::span<const std::size_t> gaps) {
  std::size_t done = 0;
  for (const std::size_t gap : gaps) {
    const std::size_t at = gap - from;
    *this << text.substr(done, at - done);
    WriteFreshId();
    done = at;
  }
  *this << text.substr(done);
}

bool CobWriter::Flush() {
  if (out_ == nullptr) return true;
  Drain();
  out_->flush();
  return out_->good();
}

bool CobWriter::Good() const { return out_ == nullptr || out_->good(); }

void CobWriter::Drain() {
  const char* start = storage_.get();
  if (pos_ != start) out_->write(start, static_cast<std::streamsize>(pos_ - start));
  pos_ = storage_.get();
}

void CobWriter::MakeRoom(std::size_t bytes) {
  if (out_ != nullptr) {
    Drain();  // the buffer is far longer than any single item
    return;
  }
  const std::size_t used = static_cast<std::size_t>(pos_ - storage_.get());
  const std::size_t capacity = static_cast<std::size_t>(end_ - storage_.get());
  if (used + bytes > limit_) throw TooLong{};
  const std::size_t grown = std::max(capacity * 2, used + bytes);
  auto storage = std::make_unique_for_overwrite<char[]>(grown);
  std::memcpy(storage.get(), storage_.get(), used);
  storage_ = std::move(storage);
  pos_ = storage_.get() + used;
  end_ = storage_.get() + grown;
}

CobWriter& CobWriter::WriteLong(std::string_view text) {
  if (out_ != nullptr && text.size() > kStreamBuffer / 2) {
    // Straight to the stream, after what is buffered.
    Drain();
    out_->write(text.data(), static_cast<std::streamsize>(text.size()));
    return *this;
  }
  Room(text.size());
  std::memcpy(pos_, text.data(), text.size());
  pos_ += text.size();
  return *this;
}

}  // namespace bk
