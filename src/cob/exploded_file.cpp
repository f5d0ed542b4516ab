#include "cob/exploded_file.h"

#include <fstream>
#include <sstream>
#include <unordered_map>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/material.h"
#include "cob/pr_material.h"
#include "cob/unit.h"
#include "model/chunk_id.h"

namespace bk {
namespace {

// The reader is strict where an import is tolerant: it accepts exactly the
// text that Burstkin's export writes, so that a foreign or damaged file is
// refused instead of being turned into a wrong animation. It does not keep a
// description of that text of its own: every chunk is read by the reader of
// its kind, the same one an import uses, and must write again, through the
// writer of its kind, to exactly the lines it was read from.
constexpr std::string_view kRefusal = "not a file written by Burstkin: ";

struct Refused {
  std::string message;
};

class Parser {
 public:
  explicit Parser(std::string_view text) : in_(text) {}

  ExplodedFile Run() {
    ExpectNext("its first line");
    if (!in_.Line().starts_with(kOutputSignature.substr(0, 18))) {
      throw Refused{std::string(kRefusal) + "its first line is not \"" +
                    std::string(kOutputSignature.substr(0, 18)) + "\""};
    }
    ExpectNext("a chunk");
    while (!in_.Line().starts_with("END ")) {
      if (in_.Line().starts_with("Grou")) {
        ReadGroup();
      } else if (in_.Line().starts_with("PolH")) {
        ReadObject();
      } else {
        Fail("found \"" + std::string(in_.Line().substr(0, 4)) +
             "\" where a Grou, PolH or END chunk was expected");
      }
    }
    ReadEnd();
    return std::move(file_);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { FailAt(in_.LineNumber(), what); }

  [[noreturn]] static void FailAt(std::size_t line, const std::string& what) {
    throw Refused{std::string(kRefusal) + "line " + std::to_string(line) + ": " + what};
  }

  void ExpectNext(const char* what) {
    if (!in_.ReadLine()) {
      throw Refused{std::string(kRefusal) + "the file ends where " + what + " should follow"};
    }
  }

  // Where a chunk reader leaves the reader: on the chunk's last line, or (the
  // material readers, which cannot know where a body ends before they see
  // the next header) on the next chunk's header.
  enum class Stop { OnLastLine, OnNextHeader };

  // Reads one chunk with `read`, writes it again with `write` and holds the
  // two texts against each other. Leaves the line after the chunk current.
  // The number format of the writers carries from chunk to chunk: general
  // until the first vertex list has been written, fixed with six decimals
  // from then on.
  template <class ReadFn, class WriteFn>
  void ReadChecked(std::string_view what, Stop stop, ReadFn read, WriteFn write) {
    const std::size_t from = in_.LineOffset();
    const std::size_t first_line = in_.LineNumber();
    if (!read(in_, in_.Line())) Fail("the " + std::string(what) + " cannot be read");
    if (stop == Stop::OnLastLine) {
      ExpectNext("a chunk or the END line");
    } else if (!IsChunkHeader(in_.Line())) {
      throw Refused{std::string(kRefusal) + "the file ends where a chunk or the END line should follow"};
    }
    std::ostringstream written;
    {
      CobWriter out(written);
      if (fixed_) out.SetFixed(6);
      write(out);
      fixed_ = out.GetNotation() == CobWriter::Notation::Fixed;
    }
    const std::string expected = written.str();
    LineReader want(expected);
    LineReader got(in_.TextBefore(from));
    bool same = true;
    while (same && want.ReadLine()) same = got.ReadLine() && got.Line() == want.Line();
    if (same && !got.ReadLine()) return;
    FailAt(first_line + got.LineNumber() - 1,
           "not a line of a " + std::string(what) + " as Burstkin writes it");
  }

  void ReadGroup() {
    const std::size_t header_line = in_.LineNumber();
    auto group = std::make_unique<CGroup>();
    ReadChecked(
        "group", Stop::OnLastLine, [&](LineReader& in, std::string_view header) { return group->ReadBody(in, header); },
        [&](CobWriter& out) { group->WriteGroup(out, false); });
    if (group->ParentId != 0 && !groupIndex_.contains(group->ParentId)) {
      FailAt(header_line, "the group's parent is not a group written before it");
    }
    if (groupIndex_.contains(group->Id)) FailAt(header_line, "a second group with the same id");
    groupIndex_[group->Id] = file_.Groups.size();
    file_.Groups.push_back(ExplodedGroup{std::move(group), {}, nullptr});
  }

  // A piece or particle: its PolH chunk, then what the writer puts after the
  // faces (the materials, then the unit), then its channels.
  void ReadObject() {
    const std::size_t header_line = in_.LineNumber();
    auto mesh = std::make_unique<CPolyChunk>();
    ReadChecked(
        "object", Stop::OnLastLine, [&](LineReader& in, std::string_view header) { return mesh->ReadBody(in, header); },
        [&](CobWriter& out) { mesh->WriteBody(out); });
    const auto group = groupIndex_.find(mesh->ParentId);
    if (group == groupIndex_.end()) {
      FailAt(header_line, "the object's parent is not a group written before it");
    }
    ReadMaterials(*mesh);
    ReadUnit(*mesh);
    auto channel = ReadChannels(*mesh);
    file_.Groups[group->second].Objects.push_back(ExplodedObject{std::move(mesh), std::move(channel), {}});
  }

  void ReadMaterials(CPolyChunk& mesh) {
    while (in_.Line().starts_with("Mat1") || in_.Line().starts_with("PrTx")) {
      const std::size_t header_line = in_.LineNumber();
      std::unique_ptr<CMaterial> material;
      if (in_.Line().starts_with("PrTx")) {
        material = std::make_unique<CPrMaterial>();
      } else {
        material = std::make_unique<CMaterial>();
      }
      ReadMaterial(*material);
      if (material->ParentId != mesh.Id) {
        FailAt(header_line, "a material that does not belong to the object before it");
      }
      mesh.Materials.push_back(std::move(material));
    }
  }

  void ReadMaterial(CMaterial& material) {
    ReadChecked(
        "material", Stop::OnNextHeader,
        [&](LineReader& in, std::string_view header) { return material.Read(in, header); },
        [&](CobWriter& out) { material.Write(out); });
  }

  void ReadUnit(CPolyChunk& mesh) {
    if (!in_.Line().starts_with("Unit")) return;
    const std::size_t header_line = in_.LineNumber();
    auto unit = std::make_unique<CUnit>();
    ReadChecked(
        "unit", Stop::OnLastLine, [&](LineReader& in, std::string_view header) { return unit->Read(in, header); },
        [&](CobWriter& out) { unit->Write(out); });
    if (unit->ParentId != mesh.Id) FailAt(header_line, "a unit that does not belong to the object before it");
    mesh.Unit = std::move(unit);
  }

  // Up to three Chan chunks (orientation, position, size, in that order,
  // each at most once); the first one's id is the channel's.
  std::unique_ptr<CAnimChunkEx> ReadChannels(const CPolyChunk& mesh) {
    auto channel = std::make_unique<CAnimChunkEx>();
    channel->ParentId = mesh.Id;
    std::int32_t last_type = 0;
    while (in_.Line().starts_with("Chan")) {
      const std::size_t header_line = in_.LineNumber();
      ChannelBlock block;
      ReadChecked(
          "channel", Stop::OnLastLine,
          [&](LineReader& in, std::string_view header) { return ReadChannelBlock(in, header, block); },
          [&](CobWriter& out) {
            WriteChannelBlock(out, block.Id, block.ParentId, block.Type, block.Keys);
          });
      if (block.ParentId != mesh.Id) {
        FailAt(header_line, "a channel that does not belong to the object before it");
      }
      if (block.Type < CAnimLineSRT::kOrientation || block.Type > CAnimLineSRT::kSize ||
          block.Type <= last_type) {
        FailAt(header_line, "channel types 2, 3 and 4, each at most once and in that order, were expected");
      }
      if (last_type == 0) channel->Id = block.Id;
      last_type = block.Type;
      KeysOfType(*channel, block.Type) = std::move(block.Keys);
    }
    return channel;
  }

  static std::vector<CAnimLineSRT>& KeysOfType(CAnimChunkEx& channel, std::int32_t type) {
    if (type == CAnimLineSRT::kOrientation) return channel.Keys;
    return type == CAnimLineSRT::kPosition ? channel.PositionKeys : channel.SizeKeys;
  }

  void ReadEnd() {
    if (in_.Line() != kEndLine) Fail("the END line is not as Burstkin writes it");
    // Nothing may follow but the end of the file (a final line end is let pass).
    while (in_.ReadLine()) {
      if (!in_.Line().empty()) Fail("text after the END line");
    }
  }

  LineReader in_;
  ExplodedFile file_;
  std::unordered_map<std::int32_t, std::size_t> groupIndex_;
  bool fixed_ = false;
};

}  // namespace

ExplodedReadResult ReadExplodedFile(std::string_view text) {
  // The objects read take their ids from the file; constructing them must
  // not move the program-wide id counter, or the ids of the next export
  // would depend on whether a file was converted before it.
  const KeepChunkIds keep;
  ExplodedReadResult result;
  try {
    result.File = Parser(text).Run();
  } catch (const Refused& refused) {
    result.Fail(FailureKind::kNotRecognized, refused.message);
  }
  return result;
}

ExplodedReadResult ReadExplodedFileAt(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ExplodedReadResult result;
    result.Fail(FailureKind::kCannotOpen, "cannot open \"" + path + "\"");
    return result;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    ExplodedReadResult result;
    result.Fail(FailureKind::kCannotOpen, "cannot read \"" + path + "\"");
    return result;
  }
  return ReadExplodedFile(buffer.str());
}

}  // namespace bk
