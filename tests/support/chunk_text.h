#pragma once

#include <string>
#include <string_view>

namespace bk {
class CCobBase;
}

namespace bk::testing {

// Expected file text is written with "\n" for readability; files carry CR LF.
std::string Crlf(std::string_view text);

// What one chunk object writes, from a writer in its initial general format
// or (fixed_six) already switched to fixed notation with six decimals, as it
// is once a file's first vertex list has been written.
std::string WrittenText(const CCobBase& chunk, bool fixed_six);

// How often `what` occurs in `text` (overlapping occurrences count).
int CountOf(std::string_view text, std::string_view what);

}  // namespace bk::testing
