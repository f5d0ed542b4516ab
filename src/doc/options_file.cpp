#include "doc/options_file.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cob/scan.h"
#include "model/replacing_file.h"

namespace bk {

namespace {

using Json = nlohmann::json;

// A file larger than this is no options file; refusing it early keeps a
// mistaken argument (an object file, a video) from being parsed at length.
constexpr std::size_t kMaxFileBytes = 1 << 20;

// Walks the text for the JSON reader and counts the lines it has passed, so
// the reader's callbacks can tell on which line a key stands.
class LineCountingIterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  LineCountingIterator() = default;
  LineCountingIterator(const char* at, int* line) : at_(at), line_(line) {}
  reference operator*() const { return *at_; }
  LineCountingIterator& operator++() {
    if (*at_ == '\n') ++*line_;
    ++at_;
    return *this;
  }
  LineCountingIterator operator++(int) {
    LineCountingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const LineCountingIterator& other) const { return at_ == other.at_; }

 private:
  const char* at_ = nullptr;
  int* line_ = nullptr;
};

// Records the line of every object key ("options.MinPieces", "seed") and the
// first key given twice; on a syntax error, its line and the reader's words.
class KeyLines : public nlohmann::json_sax<Json> {
 public:
  explicit KeyLines(const int& line) : line_(line) {}

  std::map<std::string, int> lines;
  std::string duplicate;
  int duplicateLine = 0;
  int errorLine = 0;
  std::string errorText;

  bool key(string_t& name) override {
    // Keys inside arrays (and so inside a top level that is an array) have
    // no path of their own.
    if (inArray_ > 0 || path_.empty()) return true;
    path_.back() = name;
    std::string joined;
    for (const std::string& part : path_) joined += (joined.empty() ? "" : ".") + part;
    if (!lines.emplace(joined, line_).second && duplicate.empty()) {
      duplicate = joined;
      duplicateLine = line_;
    }
    return true;
  }
  bool start_object(std::size_t) override {
    if (inArray_ == 0) path_.emplace_back();
    return true;
  }
  bool end_object() override {
    if (inArray_ == 0) path_.pop_back();
    return true;
  }
  bool start_array(std::size_t) override {
    ++inArray_;
    return true;
  }
  bool end_array() override {
    --inArray_;
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& ex) override {
    errorLine = line_;
    errorText = ex.what();
    // "[json.exception.parse_error.101] parse error at line 1, column 2: syntax error ..."
    if (const std::size_t at = errorText.find(": "); at != std::string::npos) {
      errorText = errorText.substr(at + 2);
    }
    return false;
  }
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }

 private:
  const int& line_;
  std::vector<std::string> path_;
  int inArray_ = 0;
};

std::string TypeName(const Json& value) {
  if (value.is_number_integer()) return "a whole number";
  if (value.is_number()) return "a number with a fraction";
  if (value.is_boolean()) return "true/false";
  if (value.is_string()) return "a string";
  if (value.is_array()) return "a list";
  if (value.is_object()) return "an object";
  return "null";
}

// The shortest text that reads back as the same float through the sheet's
// reader (at most 19 characters are read; every value the table allows
// needs fewer in fixed notation).
std::string RealText(float value) {
  char buffer[64];
  std::to_chars_result made = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (made.ec != std::errc() || made.ptr - buffer > 19) {
    made = std::to_chars(buffer, buffer + sizeof buffer, value);
  }
  std::string text(buffer, made.ptr);
  // A point keeps a whole value recognisable as a real in the file.
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

// A fault found while reading: where, what it is about, and the message.
struct Fault {
  std::string key;   // "options.MinPieces", or "" for the whole file
  std::string field; // what the message names
  std::string message;
};

class FileReader {
 public:
  FileReader(const Json& root, std::map<std::string, int> lines)
      : root_(root), lines_(std::move(lines)) {}

  std::optional<Fault> Read(OptionsFile& out) {
    if (!root_.is_object()) return Fault{"", "", "an options file is a JSON object, not " + TypeName(root_)};
    for (const auto& [name, value] : root_.items()) {
      std::optional<Fault> fault;
      if (name == "format") fault = ReadFormat(value);
      else if (name == "version") fault = ReadVersion(value);
      else if (name == "description") fault = ReadDescription(value, out);
      else if (name == "seed") fault = ReadSeed(value, out);
      else if (name == "faceOrder") fault = ReadFaceOrder(value, out);
      else if (name == "options") fault = ReadOptions(value, out);
      else fault = Fault{name, name, "unknown name (the file holds format, version, description, seed, faceOrder and options)"};
      if (fault) return fault;
    }
    return std::nullopt;
  }

  int LineOf(const std::string& key) const {
    const auto found = lines_.find(key);
    return found == lines_.end() ? 1 : found->second;
  }

 private:
  static std::optional<Fault> ReadFormat(const Json& value) {
    if (value.is_string() && value.get<std::string>() == kOptionsFormat) return std::nullopt;
    return Fault{"format", "format", "expected \"" + std::string(kOptionsFormat) + "\""};
  }

  static std::optional<Fault> ReadVersion(const Json& value) {
    if (value.is_number_integer() && value.get<std::int64_t>() == kOptionsVersion) return std::nullopt;
    return Fault{"version", "version",
                 "this program reads version " + std::to_string(kOptionsVersion) + " of the file"};
  }

  static std::optional<Fault> ReadDescription(const Json& value, OptionsFile& out) {
    if (!value.is_string()) return Fault{"description", "description", "expected a string, not " + TypeName(value)};
    out.Description = value.get<std::string>();
    return std::nullopt;
  }

  static std::optional<Fault> ReadSeed(const Json& value, OptionsFile& out) {
    const bool whole = value.is_number_unsigned() ||
                       (value.is_number_integer() && value.get<std::int64_t>() >= 0);
    if (!whole || value.get<std::uint64_t>() > 4294967295u) {
      return Fault{"seed", "seed", "expected a whole number from 0 to 4294967295"};
    }
    out.Seed = static_cast<std::uint32_t>(value.get<std::uint64_t>());
    return std::nullopt;
  }

  static std::optional<Fault> ReadFaceOrder(const Json& value, OptionsFile& out) {
    const std::string expected =
        "expected a list of {\"sort\": ORDER} and {\"shuffle\": LEVEL} (ORDER top-to-bottom, "
        "bottom-to-top, left-to-right, right-to-left, front-to-back or back-to-front; LEVEL "
        "minimum, medium or maximum)";
    if (!value.is_array()) return Fault{"faceOrder", "faceOrder", expected};
    for (const Json& step : value) {
      if (!step.is_object() || step.size() != 1) return Fault{"faceOrder", "faceOrder", expected};
      // The one member, by its iterator (a binding to items() would outlive it).
      const auto member = step.begin();
      const std::string& kind = member.key();
      const Json& name = member.value();
      const bool shuffle = kind == "shuffle";
      const FaceOrderChoice* choice =
          (shuffle || kind == "sort") && name.is_string() ? FindFaceOrder(name.get<std::string>(), shuffle)
                                                          : nullptr;
      if (choice == nullptr) return Fault{"faceOrder", "faceOrder", expected};
      out.FaceOrder.push_back(choice);
    }
    return std::nullopt;
  }

  std::optional<Fault> ReadOptions(const Json& value, OptionsFile& out) const {
    if (!value.is_object()) return Fault{"options", "options", "expected an object of NAME: VALUE"};
    // Every value is taken into a scratch record by the sheet's own rules;
    // only text the sheet took is kept, in table order.
    ExplosionOptions scratch;
    std::map<std::string_view, std::string> taken;
    for (const auto& [name, item] : value.items()) {
      const OptionField* field = FindOptionField(name);
      const std::string key = "options." + name;
      if (field == nullptr) return Fault{key, name, "unknown option name (burstkin-cli explode --help lists them)"};
      std::string text;
      if (std::optional<std::string> refused = ValueText(*field, item, scratch, text)) {
        return Fault{key, name, *refused};
      }
      taken[field->name] = text;
    }
    for (const OptionField& field : OptionFields()) {
      if (const auto found = taken.find(field.name); found != taken.end()) {
        out.Settings.push_back({std::string(field.name), found->second});
      }
    }
    return std::nullopt;
  }

  // The --set text of one value, or why the sheet refuses it.
  static TakeError ValueText(const OptionField& field, const Json& item, ExplosionOptions& scratch,
                             std::string& text) {
    switch (field.kind) {
      case FieldKind::Real: {
        if (!item.is_number()) return "expected a number, not " + TypeName(item);
        const float value = static_cast<float>(item.get<double>());
        const auto minimum = static_cast<float>(field.minimum);
        const auto maximum = static_cast<float>(field.maximum);
        if (!(value >= minimum && value <= maximum)) return RealRangeMessage(minimum, maximum);
        text = RealText(value);
        break;
      }
      case FieldKind::Flag:
        if (item.is_boolean()) {
          text = item.get<bool>() ? "1" : "0";
          break;
        }
        [[fallthrough]];
      case FieldKind::Integer:
        if (item.is_number_float()) return std::string(kNotAnInteger);
        if (!item.is_number()) return "expected a whole number, not " + TypeName(item);
        text = item.is_number_unsigned() ? std::to_string(item.get<std::uint64_t>())
                                         : std::to_string(item.get<std::int64_t>());
        break;
      case FieldKind::Choice:
        if (item.is_string()) {
          text = item.get<std::string>();
        } else if (item.is_number_integer()) {
          text = item.is_number_unsigned() ? std::to_string(item.get<std::uint64_t>())
                                           : std::to_string(item.get<std::int64_t>());
        } else {
          return "expected a label or its index, not " + TypeName(item);
        }
        break;
    }
    if (TakeError refused = SetOptionFromText(scratch, field, text)) return refused;
    // Choices are kept as their index, whatever the file named them by.
    if (field.kind == FieldKind::Choice) text = std::to_string(*field.integer(scratch));
    return std::nullopt;
  }

  const Json& root_;
  std::map<std::string, int> lines_;
};

std::string Located(std::string_view source, int line, std::string_view field, std::string_view message) {
  std::string text = std::string(source) + ":" + std::to_string(line) + ": ";
  if (!field.empty()) text += std::string(field) + ": ";
  return text + std::string(message);
}

OptionsFileResult Refused(std::string text) {
  OptionsFileResult result;
  result.Fail(FailureKind::kBadArgument, text);
  return result;
}

}  // namespace

OptionsFileResult ReadOptionsText(std::string_view text, std::string_view source) {
  if (text.size() > kMaxFileBytes) return Refused(Located(source, 1, "", "too large for an options file"));
  int line = 1;
  KeyLines keys(line);
  const bool parsed = Json::sax_parse(LineCountingIterator(text.data(), &line),
                                      LineCountingIterator(text.data() + text.size(), &line), &keys);
  if (!parsed) return Refused(Located(source, keys.errorLine, "", "not valid JSON: " + keys.errorText));
  if (!keys.duplicate.empty()) {
    const std::size_t dot = keys.duplicate.rfind('.');
    return Refused(Located(source, keys.duplicateLine,
                           dot == std::string::npos ? keys.duplicate : keys.duplicate.substr(dot + 1),
                           "given twice"));
  }
  const Json root = Json::parse(text.begin(), text.end(), nullptr, false);
  FileReader reader(root, keys.lines);
  OptionsFileResult result;
  if (std::optional<Fault> fault = reader.Read(result.file)) {
    return Refused(Located(source, reader.LineOf(fault->key), fault->field, fault->message));
  }
  return result;
}

OptionsFileResult ReadOptionsFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Refused(path + ": could not be opened.");
  std::string text;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxFileBytes) return Refused(Located(path, 1, "", "too large for an options file"));
  }
  if (in.bad()) return Refused(path + ": could not be read.");
  return ReadOptionsText(text, path);
}

std::string OptionsFileText(const ExplosionOptions& options, std::optional<std::uint32_t> seed,
                            std::span<const FaceOrderChoice* const> face_order,
                            std::string_view description) {
  std::ostringstream out;
  out << "{\n  \"format\": \"" << kOptionsFormat << "\",\n  \"version\": " << kOptionsVersion << ",\n";
  if (!description.empty()) out << "  \"description\": " << Json(std::string(description)).dump() << ",\n";
  if (seed) out << "  \"seed\": " << *seed << ",\n";
  if (!face_order.empty()) {
    out << "  \"faceOrder\": [";
    for (std::size_t i = 0; i < face_order.size(); ++i) {
      out << (i > 0 ? ", " : "") << "{\"" << (face_order[i]->shuffle ? "shuffle" : "sort") << "\": \""
          << face_order[i]->name << "\"}";
    }
    out << "],\n";
  }
  out << "  \"options\": {";
  ExplosionOptions scratch = options;
  bool first = true;
  for (const OptionField& field : OptionFields()) {
    std::string text;  // as --set takes it
    if (field.kind == FieldKind::Real) {
      text = RealText(*field.real(scratch));
    } else {
      text = std::to_string(*field.integer(scratch));
    }
    // A value the sheet would refuse (a frame not yet set) is left out, so
    // every file this writes is one the reader takes.
    if (SetOptionFromText(scratch, field, text)) continue;
    const std::string value =
        field.kind == FieldKind::Choice
            ? Json(std::string(field.labels[static_cast<std::size_t>(*field.integer(scratch))])).dump()
            : text;
    out << (first ? "\n" : ",\n") << "    \"" << field.name << "\": " << value;
    first = false;
  }
  out << (first ? "}\n" : "\n  }\n") << "}\n";
  return out.str();
}

Status WriteOptionsFile(const std::string& path, std::string_view text) {
  Status status;
  ReplacingFile file(path);
  if (std::string error = file.Open(); !error.empty()) {
    status.Fail(FailureKind::kCannotWrite, error);
    return status;
  }
  for (std::size_t written = 0; written < text.size();) {
    const ssize_t n = ::write(file.Descriptor(), text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      status.Fail(FailureKind::kCannotWrite, "could not write \"" + path + "\": " + std::strerror(errno));
      return status;
    }
    written += static_cast<std::size_t>(n);
  }
  if (std::string error = file.Commit(); !error.empty()) status.Fail(FailureKind::kCannotWrite, error);
  return status;
}

TakeError ApplyOptionsFile(CBrkDoc& doc, const OptionsFile& file) {
  ExplosionOptions options;
  options.ObjectFaces = doc.ImportedObject ? doc.ImportedObject->FaceTotal : 0;
  if (TakeError refused = ApplySheetAsCommandLine(options, file.Settings)) return refused;
  doc.Options = options;
  doc.ActiveOutputMode = options.OutputMode;
  doc.ActiveGlobalScale = options.ParticleScaleGlobal;
  if (file.Seed) doc.Random.Seed(*file.Seed);
  if (doc.ImportedObject && doc.CanReorderFaces != 0) {
    for (const FaceOrderChoice* choice : file.FaceOrder) doc.ReorderFaces(*choice);
  }
  return std::nullopt;
}

}  // namespace bk
