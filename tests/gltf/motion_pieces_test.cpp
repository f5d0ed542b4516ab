#include "gltf/motion_pieces.h"

#include <gtest/gtest.h>

#include <thread>

namespace bk {
namespace {

// Pieces arrive in order with their places, however the two threads meet;
// a maker waiting on a full queue is let go when the writer gives up.
TEST(MotionPieces, HandsOverInOrderAndStopsAWaitingMaker) {
  MotionPieces pieces(2);
  std::thread maker([&] {
    FloatBuffer buffer;
    for (int i = 0; i < 1000; ++i) {
      buffer.assign(3, static_cast<float>(i));
      buffer = pieces.Hand({i * 12, std::move(buffer)});
      EXPECT_TRUE(buffer.empty());
    }
    pieces.Close();
  });
  MotionPieces::Piece piece;
  int expected = 0;
  while (pieces.Take(piece)) {
    ASSERT_EQ(piece.At, expected * 12);
    ASSERT_EQ(piece.Values, FloatBuffer(3, static_cast<float>(expected)));
    pieces.GiveBack(std::move(piece.Values));
    ++expected;
  }
  maker.join();
  EXPECT_EQ(expected, 1000);
  EXPECT_FALSE(pieces.TryTake(piece));

  MotionPieces full(1);
  full.Hand({0, {1.0f}});
  std::thread blocked([&] { EXPECT_THROW(full.Hand({4, {2.0f}}), MotionPieces::Stopped); });
  full.Stop();
  blocked.join();
}

}  // namespace
}  // namespace bk
