#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cob/exploded_group.h"
#include "cob/poly_chunk.h"
#include "model/status.h"

namespace bk {

class CobWriter;
class ProgressSink;

// The system's own message texts for file failures.
namespace messages {
inline constexpr std::string_view kCouldNotOpen = "Could not open specified file.";
inline constexpr std::string_view kAsciiOnly =
    "This version of Burstkin can only load ASCII trueSpace *.cob files.";
inline constexpr std::string_view kNotRecognized = "Burstkin could not recognize file.";
inline constexpr std::string_view kBigEndian =
    "This version of Burstkin cannot load big-endian binary trueSpace *.cob files.";
inline constexpr std::string_view kOutOfMemory = "Out of memory.";
inline constexpr std::string_view kCouldNotOpenOutput = "Could not open output file.";
inline constexpr std::string_view kCouldNotWrite = "Could not write output file.";
}  // namespace messages

// The identification lines and the END line.
inline constexpr std::string_view kInputSignature = "Caligari V00.01A";
inline constexpr std::string_view kOutputSignature = "Caligari V00.01ALH             ";
inline constexpr std::string_view kEndLine = "END  V1.00 Id 0 Parent 0 Size        0";

bool IsCaligariAscii(std::string_view first_line);
// True for the ten chunk types the format names, and for any line of the
// general header form "XXXX Vn.nn Id n Parent n Size n".
bool IsChunkHeader(std::string_view line);

// How a file stores its chunks, told by its identification line.
enum class FileForm { kAscii, kBinary };

struct ImportResult : Status {
  std::unique_ptr<CPolyChunk> object;  // null on failure
  FileForm form = FileForm::kAscii;
  // Binary files: the kinds of the object's chunks that were stepped over
  // unread, each once, in the order met (printable text).
  std::vector<std::string> skipped_chunk_kinds;
};

// Imports the first polygon object of a file (with its unit and materials) and
// bakes its transform; the file may be ASCII or binary (little-endian).
// Never shows anything: failures come back as messages.
ImportResult ImportObject(const std::string& path);
ImportResult ImportObjectFromText(std::string_view text);

// ok(): the file was written, possibly cut short by a cancel.
struct ExportResult : Status {
  bool cancelled = false;  // the objects were cut short
};

// Writes the identification line, each object's chunk (its Write), and the
// END line. A file that could not be written whole is removed. Explosions are
// written with ExportGroups.
ExportResult ExportObjects(const std::string& path, std::span<const CCobBase* const> objects,
                           ProgressSink& progress);
// The same into a writer (tests, other front ends).
ExportResult WriteObjects(CobWriter& out, std::span<const CCobBase* const> objects,
                          ProgressSink& progress);

// Writes an explosion: the identification line, each group's own chunk and
// then its objects, mesh then channel, with a progress report after each of
// them and an early stop on cancel (the file still ends with its END line,
// and every group's own chunk stands in it), and the END line.
ExportResult ExportGroups(const std::string& path, std::span<const ExplodedGroup* const> groups,
                          ProgressSink& progress);
ExportResult WriteGroups(CobWriter& out, std::span<const ExplodedGroup* const> groups,
                         ProgressSink& progress);

}  // namespace bk
