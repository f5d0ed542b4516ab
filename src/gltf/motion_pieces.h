#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "gltf/float_buffer.h"

namespace bk {

// Pieces of a file's data made on one thread and written by another, so
// that only one thread writes the file: two threads writing one file take
// turns at its lock inside the kernel and spin while they wait. At most a
// fixed number wait at a time, so memory stays small however fast they come.
class MotionPieces {
 public:
  struct Piece {
    std::int64_t At = 0;  // where in the file
    FloatBuffer Values;
  };
  // What Hand throws once the writer has given up.
  struct Stopped {};

  explicit MotionPieces(std::size_t max_waiting) : maxWaiting_(max_waiting) {}

  // Maker: queues a piece (waiting while the queue is full) and gives back
  // an empty buffer to fill next.
  FloatBuffer Hand(Piece piece);
  // Maker: there will be no more pieces.
  void Close();
  // Writer: the next piece, if one is waiting.
  bool TryTake(Piece& piece);
  // Writer: the next piece, waiting for it; false when the maker is done
  // and every piece was taken.
  bool Take(Piece& piece);
  // Writer: a written piece's buffer, for the maker to fill again.
  void GiveBack(FloatBuffer buffer);
  // Writer: gives up; a waiting or later Hand throws Stopped.
  void Stop();

 private:
  void TakeFront(Piece& piece, std::unique_lock<std::mutex>& lock);

  std::size_t maxWaiting_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Piece> waiting_;
  std::vector<FloatBuffer> free_;
  bool closed_ = false;
  bool stopped_ = false;
  bool makerWaiting_ = false;
};

}  // namespace bk
