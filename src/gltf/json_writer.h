#pragma once

#include <rapidjson/writer.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "gltf/spill_buffer.h"

namespace bk {

// Writes JSON into a SpillBuffer byte for byte as rapidjson::Writer does (no
// spaces, its number formats and string escapes), but in whole pieces rather
// than character by character: the per-object arrays of a large export are
// hundreds of megabytes of text. Keys must be ASCII names that need no
// escaping; nesting is at most kMaxDepth deep.
class JsonTextWriter {
 public:
  explicit JsonTextWriter(SpillBuffer& out) : out_(out), escaper_(out) {}

  void StartObject() { Open('{', false); }
  void EndObject() { Close('}'); }
  void StartArray() { Open('[', true); }
  void EndArray() { Close(']'); }
  void Key(const char* key) { Quoted(key, std::strlen(key)); }
  void String(const char* text) { String(text, std::strlen(text)); }
  void String(const char* text, std::size_t size);
  void Bool(bool value) {
    char* next = Token(5);
    std::memcpy(next, value ? "true" : "false", value ? 4 : 5);
    Keep(next + (value ? 4 : 5));
  }
  void Int(int value) { Keep(rapidjson::internal::i32toa(value, Token(11))); }
  void Uint64(std::uint64_t value) { Keep(rapidjson::internal::u64toa(value, Token(20))); }
  // Like rapidjson::Writer, writes nothing for NaN or infinity (callers
  // refuse those before).
  void Double(double value);
  // One whole value of at most `size` bytes, composed in place by
  // `compose(at)`, which returns the end of what it wrote (see ComposeJson):
  // for the many small records of a fixed shape, a copy of their fixed text
  // rather than a token at a time.
  template <typename Compose>
  void Composed(std::size_t size, Compose compose) {
    Keep(compose(Token(size)));
  }
  // Whether `text` is written between quotes as it stands.
  static bool NeedsNoEscapes(std::string_view text);

 private:
  static constexpr int kMaxDepth = 8;
  static constexpr std::size_t kLongText = 1024;  // well within any buffer's memory
  struct Level {
    std::size_t count = 0;
    bool inArray = false;
  };

  // Room for a value of up to `size` bytes, after the separator before it
  // (',' between members or elements, ':' between a key and its value);
  // Keep then takes what was written up to `end`.
  char* Token(std::size_t size) {
    token_ = out_.Room(size + 1);
    char* next = token_;
    if (depth_ > 0) {
      Level& level = levels_[static_cast<std::size_t>(depth_ - 1)];
      if (level.count > 0) *next++ = level.inArray || level.count % 2 == 0 ? ',' : ':';
      ++level.count;
    }
    return next;
  }
  void Keep(const char* end) { out_.Advance(static_cast<std::size_t>(end - token_)); }
  // Text that needs no escapes and fits the buffer's memory, in quotes.
  void Quoted(const char* text, std::size_t size) {
    char* next = Token(size + 2);
    *next++ = '"';
    std::memcpy(next, text, size);
    next[size] = '"';
    Keep(next + size + 1);
  }
  void Open(char bracket, bool in_array);
  void Close(char bracket) {
    --depth_;
    out_.Put(bracket);
  }

  SpillBuffer& out_;
  rapidjson::Writer<SpillBuffer> escaper_;  // for the rare string that needs escapes
  std::array<Level, kMaxDepth> levels_{};
  int depth_ = 0;
  char* token_ = nullptr;
};

// The pieces of a composed value, written as rapidjson::Writer writes them:
// fixed text (quotes and all, written as it stands), whole numbers, and
// doubles (nothing for NaN or infinity). Returns the end.
namespace json_text {
inline char* Put(char* at, std::string_view text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}
inline char* Put(char* at, int value) { return rapidjson::internal::i32toa(value, at); }
inline char* Put(char* at, std::uint64_t value) { return rapidjson::internal::u64toa(value, at); }
inline char* Put(char* at, double value) {
  return rapidjson::internal::Double(value).IsNanOrInf() ? at : rapidjson::internal::dtoa(value, at);
}
// An array of numbers: "[a,b,...]".
template <typename Number>
char* Put(char* at, std::span<const Number> values) {
  *at++ = '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) *at++ = ',';
    at = Put(at, values[i]);
  }
  *at++ = ']';
  return at;
}
}  // namespace json_text

template <typename... Parts>
char* ComposeJson(char* at, const Parts&... parts) {
  ((at = json_text::Put(at, parts)), ...);
  return at;
}

// The members of one JSON object composed in place, a comma before each
// but the first.
class ComposedObject {
 public:
  explicit ComposedObject(char* at) : at_(at) { *at_++ = '{'; }
  template <typename... Parts>
  void Member(std::string_view key, const Parts&... value) {
    if (members_++ > 0) *at_++ = ',';
    at_ = ComposeJson(at_, "\"", key, "\":", value...);
  }
  char*& At() { return at_; }  // for a value composed in pieces after Member(key)
  char* Close() {
    *at_++ = '}';
    return at_;
  }

 private:
  char* at_;
  int members_ = 0;
};

}  // namespace bk
