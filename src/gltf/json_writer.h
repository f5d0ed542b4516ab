#pragma once

#include <rapidjson/writer.h>

#include <array>
#include <cstdint>
#include <cstring>

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
  void Key(const char* key) {
    Prefix();
    out_.Put('"');
    out_.Append(key, std::strlen(key));
    out_.Put('"');
  }
  void String(const char* text) { String(text, std::strlen(text)); }
  void String(const char* text, std::size_t size);
  void Bool(bool value) {
    Prefix();
    if (value) {
      out_.Append("true", 4);
    } else {
      out_.Append("false", 5);
    }
  }
  void Int(int value) {
    char digits[11];
    Number(digits, rapidjson::internal::i32toa(value, digits));
  }
  void Uint64(std::uint64_t value) {
    char digits[20];
    Number(digits, rapidjson::internal::u64toa(value, digits));
  }
  // Like rapidjson::Writer, writes nothing for NaN or infinity (callers
  // refuse those before).
  void Double(double value);

 private:
  static constexpr int kMaxDepth = 8;
  struct Level {
    std::size_t count = 0;
    bool inArray = false;
  };

  // The separator before a value: ',' between members or elements, ':'
  // between a key and its value.
  void Prefix() {
    if (depth_ == 0) return;
    Level& level = levels_[static_cast<std::size_t>(depth_ - 1)];
    if (level.count > 0) out_.Put(level.inArray || level.count % 2 == 0 ? ',' : ':');
    ++level.count;
  }
  void Open(char bracket, bool in_array);
  void Close(char bracket) {
    --depth_;
    out_.Put(bracket);
  }
  void Number(const char* digits, const char* end) {
    Prefix();
    out_.Append(digits, static_cast<std::size_t>(end - digits));
  }

  SpillBuffer& out_;
  rapidjson::Writer<SpillBuffer> escaper_;  // for the rare string that needs escapes
  std::array<Level, kMaxDepth> levels_{};
  int depth_ = 0;
};

}  // namespace bk
