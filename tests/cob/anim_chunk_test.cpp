#include "cob/anim_chunk.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cob/cob_writer.h"
#include "support/chunk_text.h"
#include "model/chunk_id.h"

namespace bk {
namespace {

using testing::Crlf;

// The writer starts in its initial general format: the channel writer must
// produce fixed six-decimal reals by itself.
std::string Written(const CAnimChunk& chunk) { return testing::WrittenText(chunk, false); }

const CVector kNoShape{0, 0, 0};

CAnimLineSRT Orientation(int frame, float w, CVector v) {
  return {CAnimLineSRT::kOrientation, frame, kNoShape, v, w};
}
CAnimLineSRT Position(int frame, CVector v) { return {CAnimLineSRT::kPosition, frame, kNoShape, v}; }
CAnimLineSRT Size(int frame, CVector v) { return {CAnimLineSRT::kSize, frame, kNoShape, v}; }

TEST(AnimChunkExWrite, WritesTheExampleOrientationAndPositionChannels) {
  CAnimChunkEx chunk;
  chunk.Id = 1000012;
  chunk.ParentId = 1000011;
  chunk.Keys = {Orientation(0, 1.0f, {0, 0, 0}), Orientation(30, 0.5f, {0.131f, 0.0f, 0.402f})};
  chunk.PositionKeys = {Position(0, {0, 0, 0}), Position(30, {4.12f, -2.0f, 0.87f})};
  ChunkIdCounter::Reset(1000244);
  EXPECT_EQ(Written(chunk),
            Crlf("Chan V0.04 Id 1000012 Parent 1000011 Size -1\n"
                 "Name Global\n"
                 "type 2\n"
                 "flags 1 frames 2\n"
                 "time 0 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 1.000000 0.000000 "
                 "0.000000 0.000000\n"
                 "time 30 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 0.500000 0.131000 "
                 "0.000000 0.402000\n"
                 "Chan V0.04 Id 1000245 Parent 1000011 Size -1\n"
                 "Name Global\n"
                 "type 3\n"
                 "flags 1 frames 2\n"
                 "time 0 acc 0 t 0.000000 c 0.000000 b 0.000000 position 0.000000 0.000000 "
                 "0.000000\n"
                 "time 30 acc 0 t 0.000000 c 0.000000 b 0.000000 position 4.120000 -2.000000 "
                 "0.870000\n"));
  EXPECT_EQ(ChunkIdCounter::Current(), 1000245);
}

TEST(AnimChunkExWrite, WithoutKeysWritesNothingAndTakesNoId) {
  CAnimChunkEx chunk;
  const std::int32_t before = ChunkIdCounter::Current();
  EXPECT_EQ(Written(chunk), "");
  EXPECT_EQ(ChunkIdCounter::Current(), before);
}

TEST(AnimChunkExWrite, PositionChannelAloneTakesAFreshIdNeverTheOwnOne) {
  CAnimChunkEx chunk;
  chunk.ParentId = 42;
  chunk.PositionKeys = {Position(0, {}), Position(5, {}), Position(9, {})};
  const std::int32_t own = chunk.Id;
  ChunkIdCounter::Reset(2000000);
  const std::string text = Written(chunk);
  EXPECT_EQ(text.rfind("Chan V0.04 Id 2000001 Parent 42 Size -1\r\nName Global\r\ntype 3\r\n"
                       "flags 1 frames 3\r\n",
                       0),
            0u)
      << text;
  EXPECT_EQ(text.find(std::to_string(own)), std::string::npos);
}

TEST(AnimChunkExWrite, ThreeChannelsTakeOwnIdThenTwoFreshIdsUnderOneParent) {
  CAnimChunkEx chunk;
  chunk.Id = 77;
  chunk.ParentId = 76;
  chunk.Keys = {Orientation(0, 1, {})};
  chunk.PositionKeys = {Position(0, {})};
  chunk.SizeKeys = {Size(0, {1, 1, 1}), Size(10, {-3, 0.25f, 2})};
  ChunkIdCounter::Reset(500);
  const std::string text = Written(chunk);
  const auto a = text.find("Chan V0.04 Id 77 Parent 76 Size -1\r\nName Global\r\ntype 2\r\n");
  const auto b = text.find("Chan V0.04 Id 501 Parent 76 Size -1\r\nName Global\r\ntype 3\r\n");
  const auto c = text.find("Chan V0.04 Id 502 Parent 76 Size -1\r\nName Global\r\ntype 4\r\n"
                           "flags 1 frames 2\r\n");
  ASSERT_NE(a, std::string::npos) << text;
  ASSERT_NE(b, std::string::npos) << text;
  ASSERT_NE(c, std::string::npos) << text;
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_NE(text.find("time 10 acc 0 t 0.000000 c 0.000000 b 0.000000 size -3.000000 0.250000 "
                      "2.000000\r\n"),
            std::string::npos);
}

TEST(AnimChunkExWrite, KeyWordingFollowsTheKeyTypeNotTheList) {
  CAnimChunkEx chunk;
  chunk.PositionKeys = {CAnimLineSRT(5, 3, {0.5f, -1, 2}, {1, 2, 3}, 9.0f)};
  const std::string text = Written(chunk);
  EXPECT_NE(text.find("type 3\r\n"), std::string::npos);
  EXPECT_NE(text.find("time 3 acc 0 t 0.500000 c -1.000000 b 2.000000 size 1.000000 2.000000 "
                      "3.000000\r\n"),
            std::string::npos)
      << text;
}

TEST(AnimChunkWrite, GroupsKeysByTypeInOrderAndDropsOtherTypes) {
  CAnimChunk chunk;
  chunk.Id = 10;
  chunk.ParentId = 9;
  chunk.Keys = {Size(0, {2, 2, 2}), Position(1, {1, 0, 0}), CAnimLineSRT(5, 2, {}, {7, 7, 7}),
                Orientation(3, 1, {}), Position(4, {0, 1, 0})};
  ChunkIdCounter::Reset(100);
  const std::string text = Written(chunk);
  EXPECT_EQ(text,
            Crlf("Chan V0.04 Id 10 Parent 9 Size -1\nName Global\ntype 2\nflags 1 frames 1\n"
                 "time 3 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 1.000000 0.000000 "
                 "0.000000 0.000000\n"
                 "Chan V0.04 Id 101 Parent 9 Size -1\nName Global\ntype 3\nflags 1 frames 2\n"
                 "time 1 acc 0 t 0.000000 c 0.000000 b 0.000000 position 1.000000 0.000000 "
                 "0.000000\n"
                 "time 4 acc 0 t 0.000000 c 0.000000 b 0.000000 position 0.000000 1.000000 "
                 "0.000000\n"
                 "Chan V0.04 Id 102 Parent 9 Size -1\nName Global\ntype 4\nflags 1 frames 1\n"
                 "time 0 acc 0 t 0.000000 c 0.000000 b 0.000000 size 2.000000 2.000000 "
                 "2.000000\n"));
}

TEST(AnimChunkWrite, WithoutOrientationKeysThePositionBlockStillTakesAFreshId) {
  CAnimChunk chunk;
  chunk.Id = 10;
  chunk.Keys = {Position(0, {}), CAnimLineSRT(7, 0, {}, {})};
  ChunkIdCounter::Reset(300);
  const std::string text = Written(chunk);
  EXPECT_EQ(text.rfind("Chan V0.04 Id 301 ", 0), 0u) << text;
  EXPECT_EQ(text.find("frames 1\r\n") != std::string::npos, true);
  EXPECT_EQ(ChunkIdCounter::Current(), 301);
}

}  // namespace
}  // namespace bk
