#include "cob/exploded_file.h"

#include <gtest/gtest.h>

#include "gltf_test_support.h"
#include "model/chunk_id.h"

namespace bk {
namespace {

using testing::MakeGroup;
using testing::WriteCob;

std::string ExplodedText(int pieces, std::unique_ptr<ExplodedGroup>* keep = nullptr) {
  auto group = MakeGroup(pieces);
  const ExplodedGroup* groups[] = {group.get()};
  std::string text = WriteCob(groups);
  if (keep != nullptr) *keep = std::move(group);
  return text;
}

TEST(ReadExplodedFile, ReadsBackWhatTheExportWrote) {
  std::unique_ptr<ExplodedGroup> group;
  const std::string text = ExplodedText(2, &group);
  const ExplodedReadResult read = ReadExplodedFile(text);
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_EQ(read.File.Groups.size(), 1u);
  const ExplodedGroup& g = read.File.Groups[0];
  EXPECT_EQ(g.Group->Name, "Burstkin");
  EXPECT_EQ(g.Group->Id, group->Group->Id);
  ASSERT_EQ(g.Objects.size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    const auto& piece = *group->Objects[k].Mesh;
    const auto& channel = *group->Objects[k].Channel;
    const ExplodedObject& o = g.Objects[k];
    EXPECT_EQ(o.Mesh->Name, piece.Name);
    EXPECT_EQ(o.Mesh->Id, piece.Id);
    EXPECT_EQ(o.Mesh->Axis, piece.Axis) << "transform as written, not baked";
    ASSERT_EQ(o.Mesh->Vertices.size(), piece.Vertices.size());
    for (std::size_t i = 0; i < piece.Vertices.size(); ++i) {
      EXPECT_EQ(*o.Mesh->Vertices[i], *piece.Vertices[i]);
    }
    ASSERT_EQ(o.Mesh->Faces.size(), 2u);
    EXPECT_EQ(o.Mesh->Faces[1]->VertexIndices, piece.Faces[1]->VertexIndices);
    ASSERT_EQ(o.Mesh->Materials.size(), 1u);
    EXPECT_EQ(o.Mesh->Materials[0]->Colour, (CVector{1, 0, 0}));
    EXPECT_EQ(o.Channel->ParentId, piece.Id);
    EXPECT_EQ(o.Channel->Keys, channel.Keys);
    EXPECT_EQ(o.Channel->PositionKeys, channel.PositionKeys);
    EXPECT_EQ(o.Channel->SizeKeys, channel.SizeKeys);
  }
}

TEST(ReadExplodedFile, LeavesTheIdCounterWhereItWas) {
  const std::string text = ExplodedText(3);
  const std::int32_t before = ChunkIdCounter::Current();
  ASSERT_TRUE(ReadExplodedFile(text).ok());
  EXPECT_EQ(ChunkIdCounter::Current(), before);
}

TEST(ReadExplodedFile, NestsTheParticleGroupUnderTheExplodedGroup) {
  auto pieces = MakeGroup(1);
  auto particles = MakeGroup(2);
  particles->Group->Name = "BurstkinParticles";
  particles->Group->ParentId = pieces->Group->Id;
  const ExplodedGroup* groups[] = {pieces.get(), particles.get()};
  const ExplodedReadResult read = ReadExplodedFile(WriteCob(groups));
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_EQ(read.File.Groups.size(), 2u);
  EXPECT_EQ(read.File.Groups[1].Group->ParentId, read.File.Groups[0].Group->Id);
  EXPECT_EQ(read.File.Groups[1].Objects.size(), 2u);
}

// Each case damages a good file in one place; all must be refused, none misread.
TEST(ReadExplodedFile, RefusesEverythingItDidNotWrite) {
  const std::string good = ExplodedText(1);
  auto replaced = [&](std::string_view from, std::string_view to) {
    std::string text = good;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  };
  const std::pair<const char*, std::string> cases[] = {
      {"an input file", "Caligari V00.01A\r\nPolH V0.02 Id 1 Parent 0 Size 10\r\n"},
      {"empty", ""},
      {"no END line", good.substr(0, good.rfind("END"))},
      {"cut inside a key line", good.substr(0, good.rfind("time") + 12)},
      {"a vertex index out of range", replaced("<4,0>", "<9,0>")},
      {"a corner count that disagrees", replaced("Face verts 3", "Face verts 4")},
      {"a foreign chunk", replaced("Chan V0.04", "MRec V0.04")},
      {"a mismatched key word", replaced(" position ", " size ")},
      {"a number that does not parse", replaced("position 4.000000", "position 4.0x0000")},
      {"a key count beyond the file", replaced("flags 1 frames 5", "flags 1 frames 6")},
      {"text after END", good + "\r\nPolH"},
      {"channel types out of order", replaced("type 3", "type 2")},
  };
  for (const auto& [what, text] : cases) {
    const ExplodedReadResult read = ReadExplodedFile(text);
    EXPECT_FALSE(read.ok()) << what;
    EXPECT_TRUE(read.error.starts_with("not a file written by Burstkin: ")) << what << ": " << read.error;
  }
}

// Any cut of a good file is refused (it lacks its END line), and so is the
// file without any one of its lines.
TEST(ReadExplodedFile, CutOrShortenedFilesAreRefusedWithoutHarm) {
  const std::string good = ExplodedText(1);
  for (std::size_t cut = 0; cut + 1 < good.size(); cut += 7) {
    EXPECT_FALSE(ReadExplodedFile(good.substr(0, cut)).ok()) << "cut at " << cut;
  }
  std::size_t start = 0;
  while (start < good.size()) {
    const std::size_t end = std::min(good.find('\n', start), good.size() - 1);
    const std::string text = good.substr(0, start) + good.substr(end + 1);
    EXPECT_FALSE(ReadExplodedFile(text).ok()) << "without: " << good.substr(start, end - start);
    start = end + 1;
  }
}

TEST(ReadExplodedFile, ReportsAFileThatCannotBeOpened) {
  const ExplodedReadResult read = ReadExplodedFileAt("/nonexistent/folder/x.cob");
  EXPECT_FALSE(read.ok());
  EXPECT_NE(read.error.find("/nonexistent/folder/x.cob"), std::string::npos);
}

}  // namespace
}  // namespace bk
