#include "model/face.h"

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(FaceCopyFrom, ReplacesEveryFieldAndBothIndexLists) {
  CFace source;
  source.VertexCount = 3;
  source.MaterialIndex = 2;
  source.Flags = 7;  // not a hole: kept as read
  source.VertexIndices = {4, 5, 6};
  source.UvIndices = {0, 1, 2};

  CFace target;
  target.VertexCount = 5;
  target.VertexIndices = {9, 9, 9, 9, 9};
  target.UvIndices = {8, 8, 8, 8, 8};
  target.CopyFrom(source);
  EXPECT_EQ(target.VertexCount, 3);
  EXPECT_EQ(target.MaterialIndex, 2);
  EXPECT_EQ(target.Flags, 7);
  EXPECT_FALSE(target.IsHole());
  EXPECT_EQ(target.VertexIndices, source.VertexIndices);
  EXPECT_EQ(target.UvIndices, source.UvIndices);
}

TEST(FaceCopyFrom, FaceWithoutCornersGivesEmptyLists) {
  CFace hole;
  hole.Flags = CFace::kHoleFlag;
  CFace target;
  target.VertexIndices = {1, 2, 3};
  target.UvIndices = {1, 2, 3};
  target.CopyFrom(hole);
  EXPECT_TRUE(target.VertexIndices.empty());
  EXPECT_TRUE(target.UvIndices.empty());
  EXPECT_TRUE(target.IsHole());
}

}  // namespace
}  // namespace bk
