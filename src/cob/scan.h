#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace bk {

// Text-to-number conversions as the C library makes them, but never
// depending on the locale.

// The longest leading decimal number (blanks before it skipped; sign, digits,
// point, exponent; also "inf" and "nan"), as a double; 0.0 when there is none.
double AtoF(std::string_view text);
// Leading blanks, an optional sign and digits, as an integer (saturating at
// the 32-bit limits); 0 when there are no digits.
std::int32_t AtoI(std::string_view text);

// A cursor over one line that reads items the way scanf-style patterns do: a
// blank in a pattern matches any run of white space; "%s" a run of non-blank
// characters; "%d" and "%f" a number after optional white space; "%Nc" exactly
// N characters. As with scanf, once an item fails every later item fails too;
// Count() is how many items succeeded.
class Scanner {
 public:
  explicit Scanner(std::string_view line) : rest_(line) {}

  bool Word(std::string_view& out);                  // %s
  bool Int(std::int32_t& out);                       // %d
  bool Float(float& out);                            // %f, straight to a 32-bit float
  bool Chars(std::size_t count, std::string_view& out);  // %Nc
  void SkipBlanks();                                 // a blank in a pattern

  int Count() const { return count_; }
  bool Failed() const { return failed_; }
  std::string_view Rest() const { return rest_; }

 private:
  bool Succeed();
  bool Fail();

  std::string_view rest_;
  int count_ = 0;
  bool failed_ = false;
};

}  // namespace bk
