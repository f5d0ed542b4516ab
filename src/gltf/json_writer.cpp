#include "gltf/json_writer.h"

#include <algorithm>
#include <stdexcept>

namespace bk {

void JsonTextWriter::Open(char bracket, bool in_array) {
  char* next = Token(1);
  *next = bracket;
  Keep(next + 1);
  if (depth_ == kMaxDepth) throw std::logic_error("JSON nested too deeply");
  levels_[static_cast<std::size_t>(depth_++)] = {0, in_array};
}

void JsonTextWriter::String(const char* text, std::size_t size) {
  // Bytes from 0x80 up pass through unchanged, as rapidjson copies UTF-8;
  // only control characters, quotes and backslashes are escaped.
  const bool plain = NeedsNoEscapes({text, size});
  if (plain && size < kLongText) {
    Quoted(text, size);
    return;
  }
  Keep(Token(0));  // the separator
  if (!plain) {
    escaper_.Reset(out_);
    escaper_.String(text, static_cast<rapidjson::SizeType>(size));
    return;
  }
  out_.Put('"');
  out_.Append(text, size);
  out_.Put('"');
}

bool JsonTextWriter::NeedsNoEscapes(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c >= 0x20 && c != '"' && c != '\\';
  });
}

void JsonTextWriter::Double(double value) { Keep(json_text::Put(Token(25), value)); }

}  // namespace bk
