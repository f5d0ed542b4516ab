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
  CFace hole;  // no corners: the lists come out empty
  hole.Flags = CFace::kHoleFlag;

  for (const CFace* from : {&source, &hole}) {
    CFace target;
    target.VertexCount = 5;
    target.VertexIndices = {9, 9, 9, 9, 9};
    target.UvIndices = {8, 8, 8, 8, 8};
    target.CopyFrom(*from);
    EXPECT_EQ(target.VertexCount, from->VertexCount);
    EXPECT_EQ(target.MaterialIndex, from->MaterialIndex);
    EXPECT_EQ(target.Flags, from->Flags);
    EXPECT_EQ(target.IsHole(), from == &hole);
    EXPECT_EQ(target.VertexIndices, from->VertexIndices);
    EXPECT_EQ(target.UvIndices, from->UvIndices);
  }
}

}  // namespace
}  // namespace bk
