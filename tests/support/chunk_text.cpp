#include "support/chunk_text.h"

#include <sstream>

#include "cob/cob_base.h"
#include "cob/cob_writer.h"

namespace bk::testing {

std::string Crlf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string WrittenText(const CCobBase& chunk, bool fixed_six) {
  std::ostringstream stream;
  {
    CobWriter out(stream);
    if (fixed_six) out.SetFixed(6);
    chunk.Write(out);
  }
  return stream.str();
}

int CountOf(std::string_view text, std::string_view what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

}  // namespace bk::testing
