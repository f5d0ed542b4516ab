#include "engine/mesh_measures.h"

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(MeshMeasures, MeanMidpointAndLowerCorner) {
  CPolyChunk chunk;
  EXPECT_EQ(VertexMean(chunk), CVector());  // no vertices: the origin
  chunk.AddOwnedVertex({0, 0, 0});
  chunk.AddOwnedVertex({4, -2, 0});
  chunk.AddOwnedVertex({2, 2, -6});
  chunk.AddOwnedVertex({1, 2, 3.001f});
  EXPECT_EQ(VertexMean(chunk), CVector(7.0f / 4, 0.5f, (3.001f - 6.0f) / 4));

  CFace first;
  first.VertexIndices = {0, 1, 2};
  first.UvIndices = {0, 0, 0};
  first.VertexCount = 3;
  CFace empty;
  CFace last;
  last.VertexIndices = {1};
  last.UvIndices = {0};
  last.VertexCount = 1;
  chunk.AddOwnedFace(first);
  chunk.AddOwnedFace(empty);
  chunk.AddOwnedFace(last);
  // Face 1: c = ((0 + 4) / 2 + 2) / 2 ... per axis; the empty face keeps c.
  const CVector c1 = Divide(Add(Divide(Add(CVector(0, 0, 0), CVector(4, -2, 0)), 2), CVector(2, 2, -6)), 2);
  CVector a = c1;
  a = Divide(Add(c1, a), 2);
  a = Divide(Add(CVector(4, -2, 0), a), 2);
  EXPECT_EQ(FaceMidpointCenter(chunk), a);
  EXPECT_EQ(LowerCorner(chunk), CVector(0, -2, -6));
}

}  // namespace
}  // namespace bk
