#include "cob/material_text.h"

#include "cob/cob_file.h"
#include "cob/line_reader.h"
#include "cob/scan.h"

namespace bk::material_text {

bool NextBodyLine(LineReader& in, std::string_view& line) {
  line = {};
  if (!in.ReadLine() || IsChunkHeader(in.Line())) return false;
  line = in.Line();
  return true;
}

void LineCutter::Drop(std::size_t count) { rest_ = DropPrefix(rest_, count); }

void LineCutter::DropThrough(char c, std::size_t after) {
  const std::size_t at = rest_.find(c);
  if (at == std::string_view::npos) {
    rest_ = {};
    return;
  }
  rest_ = DropPrefix(rest_, at + 1 + after);
}

std::string_view LineCutter::TakeUpTo(char c) {
  const std::size_t at = rest_.find(c);
  std::string_view value = rest_.substr(0, at);
  rest_ = at == std::string_view::npos ? std::string_view{} : rest_.substr(at + 1);
  return value;
}

float LineCutter::RealUpTo(char c) { return static_cast<float>(AtoF(TakeUpTo(c))); }

float LineCutter::RealUpToKeyword(std::string_view keyword) {
  if (keyword.empty()) return RestAsReal();
  const std::string_view value = TakeUpTo(keyword.front());
  Drop(keyword.size() - 1);
  return static_cast<float>(AtoF(value));
}

float LineCutter::RestAsReal() const { return static_cast<float>(AtoF(rest_)); }

std::int32_t LineCutter::RestAsInt() const { return AtoI(rest_); }

void ScanWordReals(std::string_view line, std::initializer_list<float*> fields) {
  Scanner scan(line);
  for (float* field : fields) {
    std::string_view word;
    float value = 0.0f;
    scan.SkipBlanks();
    if (!scan.Word(word)) return;
    scan.SkipBlanks();
    if (!scan.Float(value)) return;
    *field = value;
  }
}

void ScanWordInts(std::string_view line, std::initializer_list<std::int32_t*> fields) {
  Scanner scan(line);
  for (std::int32_t* field : fields) {
    std::string_view word;
    std::int32_t value = 0;
    scan.SkipBlanks();
    if (!scan.Word(word)) return;
    scan.SkipBlanks();
    if (!scan.Int(value)) return;
    *field = value;
  }
}

std::string_view Prefix(std::string_view line, std::size_t count) {
  return line.substr(0, count < line.size() ? count : line.size());
}

std::string_view DropPrefix(std::string_view line, std::size_t count) {
  return count < line.size() ? line.substr(count) : std::string_view{};
}

}  // namespace bk::material_text
