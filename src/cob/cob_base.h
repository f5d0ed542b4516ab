#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/chunk_id.h"

namespace bk {

class LineReader;
class CobWriter;

// The in-memory mirror of one chunk of a trueSpace file: its id, its parent's
// id and a name. Construction takes the next id from ChunkIdCounter.
// Marks a chunk object made only to work on, never written as a chunk of its
// own: it takes no id, so the ids of the chunks that are written stay what
// they would be without it.
struct WorkingCopy {};

class CCobBase {
 public:
  CCobBase() : Id(ChunkIdCounter::Next()) {}
  explicit CCobBase(WorkingCopy) : Id(0) {}
  virtual ~CCobBase() = default;
  CCobBase(const CCobBase&) = delete;
  CCobBase& operator=(const CCobBase&) = delete;

  // Reads the chunk's body; `header` is its first line, already read by the
  // caller (and still the reader's current line). Returns false for a body
  // that cannot be read. Default: reads nothing, succeeds.
  virtual bool Read(LineReader& in, std::string_view header);
  // Releases what the object owns. Default: nothing.
  virtual void DeleteContents() {}
  // Writes the whole chunk, header line first. Default: nothing.
  virtual void Write(CobWriter& out) const;

  std::int32_t Id;
  std::int32_t ParentId = 0;
  std::string Name;
};

}  // namespace bk
