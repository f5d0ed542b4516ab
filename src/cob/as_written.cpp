#include "cob/as_written.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "model/chunk_id.h"

namespace bk {

namespace {

constexpr CobWriter::Format kFixedSix{CobWriter::Notation::Fixed, 6};

void Round(CobWriter::Format format, CVector& v) {
  v = {AsWritten(format, v.x), AsWritten(format, v.y), AsWritten(format, v.z)};
}

void Round(CobWriter::Format format, CAxis& axis) {
  for (CVector* v : {&axis.Center, &axis.XAxis, &axis.YAxis, &axis.ZAxis, &axis.Row0, &axis.Row1, &axis.Row2,
                     &axis.Translation}) {
    Round(format, *v);
  }
}

void Round(CAnimChunkEx& channel) {
  for (std::vector<CAnimLineSRT>* keys : {&channel.Keys, &channel.PositionKeys, &channel.SizeKeys}) {
    for (CAnimLineSRT& key : *keys) {
      Round(kFixedSix, key.Shape);
      Round(kFixedSix, key.Value);
      key.RotationW = AsWritten(kFixedSix, key.RotationW);
    }
  }
}

// Materials are rounded by writing them and reading them back with their
// own writer and reader: their fields are written at several precisions.
// Pieces carry copies of the same few materials, so a material whose text
// (below its header, which holds the ids) is the one met last in its slot
// takes the values read then.
class MaterialRounder {
 public:
  std::unique_ptr<CMaterial> Rounded(std::size_t slot, const CMaterial& material) {
    if (slot >= last_.size()) last_.resize(slot + 1);
    Last& last = last_[slot];
    text_.Restart(kFixedSix);
    material.Write(text_);
    const std::string_view text = text_.Text();
    const std::string_view body = text.substr(std::min(text.find('\n'), text.size()));
    if (last.rounded == nullptr || body != last.body) {
      LineReader in(text);
      in.ReadLine();
      last.rounded = material.MakeCopy();
      last.rounded->Read(in, in.Line());
      last.body.assign(body);
    }
    std::unique_ptr<CMaterial> copy = last.rounded->MakeCopy();
    copy->Id = material.Id;
    copy->ParentId = material.ParentId;
    copy->Name = material.Name;
    return copy;
  }

 private:
  struct Last {
    std::string body;
    std::unique_ptr<CMaterial> rounded;
  };
  CobWriter text_{kFixedSix, std::size_t{1} << 20};
  std::vector<Last> last_;
};

}  // namespace

void RoundAsWritten(std::span<ExplodedGroup* const> groups) {
  const std::int32_t first_free_id = ChunkIdCounter::Current();
  // The file is in the general format until its first vertex list, which
  // the first object's chunk writes right after its frame.
  CobWriter::Format format{CobWriter::Notation::General, 6};
  MaterialRounder materials;
  const auto round_materials = [&materials](MaterialList& list) {
    for (std::size_t slot = 0; slot < list.size(); ++slot) list[slot] = materials.Rounded(slot, *list[slot]);
  };
  for (ExplodedGroup* group : groups) {
    Round(format, group->Group->Axis);
    if (group->Shared) round_materials(group->Shared->Materials);
    for (ExplodedObject& object : group->Objects) {
      CPolyChunk& mesh = *object.Mesh;
      Round(format, mesh.Axis);
      format = kFixedSix;
      round_materials(mesh.Materials);
      if (object.Channel) Round(*object.Channel);
    }
  }
  ChunkIdCounter::Reset(first_free_id);
}

}  // namespace bk
