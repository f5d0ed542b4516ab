#include "cob/cob_file.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>

#include "cob/binary_cob.h"
#include "cob/chunk_factory.h"
#include "cob/chunk_sequence.h"
#include "cob/cob_writer.h"
#include "cob/group.h"
#include "cob/line_reader.h"
#include "model/progress.h"
#include "model/replacing_file.h"

namespace bk {

namespace {

constexpr std::array<std::string_view, 10> kChunkTypes = {
    "PolH", "Mat1", "PrTx", "Unit", "Chan", "Grou", "MRec", "DDiv", "Latt", "END "};

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A small cursor for the header form "XXXX Vn.nn Id n Parent n Size n".
struct HeaderCursor {
  std::string_view rest;

  bool Blanks() {
    std::size_t i = 0;
    while (i < rest.size() && IsBlank(rest[i])) ++i;
    rest.remove_prefix(i);
    return i > 0;
  }
  bool Literal(std::string_view word) {
    if (!rest.starts_with(word)) return false;
    rest.remove_prefix(word.size());
    return true;
  }
  bool Integer() {
    std::size_t i = 0;
    if (i < rest.size() && (rest[i] == '-' || rest[i] == '+')) ++i;
    const std::size_t digits = i;
    while (i < rest.size() && IsDigit(rest[i])) ++i;
    if (i == digits) return false;
    rest.remove_prefix(i);
    return true;
  }
  bool Version() {  // V, digits, a point, digits
    if (!Literal("V")) return false;
    std::size_t i = 0;
    while (i < rest.size() && IsDigit(rest[i])) ++i;
    if (i == 0 || i >= rest.size() || rest[i] != '.') return false;
    ++i;
    const std::size_t decimals = i;
    while (i < rest.size() && IsDigit(rest[i])) ++i;
    if (i == decimals) return false;
    rest.remove_prefix(i);
    return true;
  }
};

// Later versions of the modeller write chunk types this system does not know
// (ObRQ, OLay, ShBx, ...). Their headers all share one form, so any four
// characters followed by that form start a chunk.
bool IsGeneralHeader(std::string_view line) {
  if (line.size() < 5) return false;
  HeaderCursor c{line.substr(4)};
  if (!c.Blanks() || !c.Version()) return false;
  if (!c.Blanks() || !c.Literal("Id") || !c.Blanks() || !c.Integer()) return false;
  if (!c.Blanks() || !c.Literal("Parent") || !c.Blanks() || !c.Integer()) return false;
  if (!c.Blanks() || !c.Literal("Size") || !c.Blanks() || !c.Integer()) return false;
  c.Blanks();
  return c.rest.empty();
}

ImportResult Failure(FailureKind kind, std::string_view message) {
  ImportResult result;
  result.Fail(kind, message);
  return result;
}

}  // namespace

bool IsCaligariAscii(std::string_view first_line) { return first_line.starts_with(kInputSignature); }

bool IsChunkHeader(std::string_view line) {
  if (line.size() >= 4) {
    const std::string_view type = line.substr(0, 4);
    for (std::string_view known : kChunkTypes) {
      if (type == known) return true;
    }
  }
  return IsGeneralHeader(line);
}

ImportResult ImportObjectFromText(std::string_view text) {
  if (IsCaligariBinary(text)) return ImportBinaryObject(text);
  try {
    LineReader in(text);
    in.ReadLine();  // an empty text leaves an empty line, which is refused below
    if (!IsCaligariAscii(in.Line())) return Failure(FailureKind::kNotRecognized, messages::kAsciiOnly);

    // Everything before the first polygon chunk is skipped unread.
    bool found = false;
    while (in.ReadLine()) {
      if (in.Line().starts_with("PolH")) {
        found = true;
        break;
      }
    }
    if (!found) return Failure(FailureKind::kNotRecognized, messages::kNotRecognized);

    std::unique_ptr<CCobBase> made = CreateChunkObject("PolH");
    std::unique_ptr<CPolyChunk> object(static_cast<CPolyChunk*>(made.release()));
    if (!object->Read(in, in.Line())) return Failure(FailureKind::kNotRecognized, messages::kNotRecognized);
    ImportResult result;
    result.object = std::move(object);
    return result;
  } catch (const std::bad_alloc&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  }
}

ImportResult ImportObject(const std::string& path) {
  std::string text;
  try {
    // A directory opens as a stream on some systems but is no file to read.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return Failure(FailureKind::kCannotOpen, messages::kCouldNotOpen);
    std::ifstream file(path, std::ios::binary);
    if (!file) return Failure(FailureKind::kCannotOpen, messages::kCouldNotOpen);
    const auto size = std::filesystem::file_size(path, ec);
    // The size the file claims is read in one go, straight into the text;
    // then on to the end rather than trusting it: pipes and special files
    // have none, and a file may change while it is read.
    if (!ec && size > 0) {
      text.resize(static_cast<std::size_t>(size));
      file.read(text.data(), static_cast<std::streamsize>(text.size()));
      text.resize(static_cast<std::size_t>(file.gcount()));
    }
    char block[1 << 16];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
      text.append(block, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) return Failure(FailureKind::kCannotOpen, messages::kCouldNotOpen);
  } catch (const std::bad_alloc&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::length_error&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  }
  return ImportObjectFromText(text);
}

namespace {

// Ends the text with the END line and hands it to the stream.
ExportResult Finish(CobWriter& out, ExportResult result) {
  out << kEndLine;
  if (!out.Flush()) {
    result.Fail(FailureKind::kCannotWrite, messages::kCouldNotWrite);
  }
  return result;
}

// Lets `write` fill a new file beside `path` and puts it in `path`'s place
// once it is whole, or ended early by a cancel (with its END line), so that a
// failure never touches the file that was there. Every failure (a thread that
// cannot start, damaged object data) comes back as the result.
template <class WriteFn>
ExportResult ExportTo(const std::string& path, WriteFn write) {
  ExportResult result;
  ReplacingFile file(path);
  if (!file.Open().empty()) {
    result.Fail(FailureKind::kCannotWrite, messages::kCouldNotOpenOutput);
    return result;
  }
  try {
    std::ofstream stream(file.TemporaryPath(), std::ios::binary | std::ios::trunc);
    if (!stream) {
      result.Fail(FailureKind::kCannotWrite, messages::kCouldNotOpenOutput);
      return result;
    }
    {
      CobWriter out(stream);
      result = write(out);
    }
    stream.close();
    if (result.ok() && !stream) result.Fail(FailureKind::kCannotWrite, messages::kCouldNotWrite);
  } catch (const std::bad_alloc&) {
    result = ExportResult{};
    result.Fail(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::exception&) {
    result = ExportResult{};
    result.Fail(FailureKind::kCannotWrite, messages::kCouldNotWrite);
  }
  if (result.ok() && !file.Commit().empty()) result.Fail(FailureKind::kCannotWrite, messages::kCouldNotWrite);
  return result;
}

// The object's chunk with `lists` (see ListsOf), then its materials and unit.
void WriteObjectChunks(CobWriter& out, const ExplodedGroup& group, const ExplodedObject& object,
                       const CPolyChunk& lists) {
  const CPolyChunk& mesh = *object.Mesh;
  if (object.SharedIds == 0 || !group.Shared) return mesh.Write(out, lists);
  mesh.WriteBody(out, lists);
  const SharedParts& shared = *group.Shared;
  std::int32_t id = object.SharedIds + (shared.Unit ? 1 : 0);
  for (const auto& material : shared.Materials) material->WriteAs(out, id++, mesh.Id);
  if (shared.Unit) shared.Unit->WriteAs(out, object.SharedIds, mesh.Id);
}

}  // namespace

ExportResult WriteObjects(CobWriter& out, std::span<const CCobBase* const> objects,
                          ProgressSink& /*progress*/) {
  out << kOutputSignature;
  out.EndLine();
  for (const CCobBase* object : objects) {
    if (object != nullptr) object->Write(out);
  }
  return Finish(out, ExportResult{});
}

ExportResult WriteGroups(CobWriter& out, std::span<const ExplodedGroup* const> groups,
                         ProgressSink& progress) {
  ExportResult result;
  int total = 0;
  for (const ExplodedGroup* group : groups) total += 2 * static_cast<int>(group->Objects.size());

  out << kOutputSignature;
  out.EndLine();
  int done = 0;
  // A piece and its channel are two items: a cancel may fall between them.
  struct Item {
    const ExplodedObject* object;
    bool channel;
  };
  std::vector<Item> items;
  // The group whose items are being written; WriteChunks is done with its
  // helper before the loop moves on to the next group.
  const ExplodedGroup* group = nullptr;
  const ChunkWriter write = [&items, &group](std::size_t i, CobWriter& to) {
    const Item& item = items[i];
    if (item.channel) return item.object->Channel->Write(to);
    // Items may be written on more than one thread at once.
    thread_local CPolyChunk work{WorkingCopy{}};
    WriteObjectChunks(to, *group, *item.object, ListsOf(*item.object, work));
  };
  for (const ExplodedGroup* next : groups) {
    group = next;
    // The group's own chunk is written also after a cancel, so every group
    // that was asked for stands in the file; only its objects are cut short.
    group->Group->WriteGroup(out, false);
    if (result.cancelled) continue;
    items.clear();
    for (const ExplodedObject& object : group->Objects) {
      items.push_back({&object, false});
      if (object.Channel) items.push_back({&object, true});
    }
    const std::size_t written = WriteChunks(out, items.size(), write, progress, ProgressCount{done, total});
    done += static_cast<int>(written);
    result.cancelled = written < items.size();
  }
  return Finish(out, result);
}

ExportResult ExportObjects(const std::string& path, std::span<const CCobBase* const> objects,
                           ProgressSink& progress) {
  return ExportTo(path, [&](CobWriter& out) { return WriteObjects(out, objects, progress); });
}

ExportResult ExportGroups(const std::string& path, std::span<const ExplodedGroup* const> groups,
                          ProgressSink& progress) {
  return ExportTo(path, [&](CobWriter& out) { return WriteGroups(out, groups, progress); });
}

}  // namespace bk
