#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cob/anim_chunk.h"
#include "cob/chunk_factory.h"
#include "cob/cob_writer.h"
#include "cob/group.h"
#include "cob/line_reader.h"
#include "cob/poly_chunk.h"
#include "cob/unit.h"
#include "support/chunk_text.h"

namespace bk {
namespace {

TEST(UnitChunk, ReadsIdsAndUnitsAndWritesSizeMinusOne) {
  LineReader in("Unit V0.01 Id 12 Parent 7 Size 1\nUnits 1\nnext\n");
  ASSERT_TRUE(in.ReadLine());
  CUnit unit;
  ASSERT_TRUE(unit.Read(in, in.Line()));
  EXPECT_EQ(unit.Id, 12);
  EXPECT_EQ(unit.ParentId, 7);
  EXPECT_EQ(unit.Units, 1);
  EXPECT_EQ(in.Line(), "Units 1");  // the caller reads the line after the chunk

  EXPECT_EQ(testing::WrittenText(unit, false), "Unit V0.01 Id 12 Parent 7 Size -1\r\nUnits 1\r\n");

  CUnit copy;
  copy.CopyFrom(unit);
  EXPECT_NE(copy.Id, 12);
  EXPECT_EQ(copy.ParentId, 7);
  EXPECT_EQ(copy.Units, 1);
}

TEST(GroupChunk, WritesElevenLinesThenTheChildrenOnRequest) {
  CGroup group;
  group.Id = 5;
  group.ParentId = 0;
  group.Name = "Burstkin";
  group.Axis.XAxis = {1, 0, 0};
  group.Axis.Row0 = {1, 0, 0};
  group.Axis.Translation = {2.5f, 0, -1};
  for (int i = 0; i < 2; ++i) {
    auto child = std::make_unique<CUnit>();
    child->Id = 10 + i;
    child->ParentId = 5;
    group.Children.push_back(std::move(child));
  }
  const std::string own =
      "Grou V0.01 Id 5 Parent 0 Size -1\r\n"
      "Name Burstkin\r\n"
      "center 0 0 0\r\n"
      "x axis 1 0 0\r\n"
      "y axis 0 0 0\r\n"
      "z axis 0 0 0\r\n"
      "Transform\r\n"
      "1 0 0 2.5\r\n"
      "0 0 0 0\r\n"
      "0 0 0 -1\r\n"
      "0 0 0 1\r\n";
  std::ostringstream without, with;
  {
    CobWriter out(without);
    group.WriteGroup(out, false);
    group.Write(out);  // groups are written only through WriteGroup
  }
  EXPECT_EQ(without.str(), own);
  {
    CobWriter out(with);
    group.WriteGroup(out, true);
  }
  EXPECT_EQ(with.str(), own +
                            "Unit V0.01 Id 10 Parent 5 Size -1\r\nUnits 0\r\n"
                            "Unit V0.01 Id 11 Parent 5 Size -1\r\nUnits 0\r\n");
}

TEST(GroupChunk, ReadsNothingPastItsHeader) {
  CGroup group;
  LineReader in("Grou V0.01 Id 1 Parent 0 Size 1\nName g\n");
  in.ReadLine();
  EXPECT_TRUE(group.Read(in, in.Line()));
  EXPECT_EQ(in.LineNumber(), 1u);
}

TEST(ChunkFactory, MakesObjectsByTheFirstFourCharacters) {
  ChunkIdCounter::Reset();
  auto group = CreateChunkObject("Grou");
  EXPECT_EQ(group->Id, 1000001);
  EXPECT_NE(dynamic_cast<CGroup*>(group.get()), nullptr);
  auto poly = CreateChunkObject("PolHxyz");
  EXPECT_EQ(poly->Id, 1000002);
  EXPECT_NE(dynamic_cast<CPolyChunk*>(poly.get()), nullptr);
  auto chan = CreateChunkObject("Chan V0.04");
  ASSERT_NE(dynamic_cast<CAnimChunk*>(chan.get()), nullptr);
  EXPECT_EQ(chan->Name, "Global");
  EXPECT_EQ(CreateChunkObject("Mat1"), nullptr);
  EXPECT_EQ(CreateChunkObject("Unit"), nullptr);
  EXPECT_EQ(CreateChunkObject("Po"), nullptr);
}

}  // namespace
}  // namespace bk
