#include "gltf/motion_pieces.h"

#include <utility>

namespace bk {

FloatBuffer MotionPieces::Hand(Piece piece) {
  std::unique_lock lock(mutex_);
  if (waiting_.size() >= maxWaiting_) {
    // Once full, the maker waits for half the queue to go, so that it is
    // woken once for several pieces rather than for each.
    makerWaiting_ = true;
    changed_.wait(lock, [this] { return waiting_.size() <= maxWaiting_ / 2 || stopped_; });
    makerWaiting_ = false;
  }
  if (stopped_) throw Stopped{};
  waiting_.push_back(std::move(piece));
  FloatBuffer next;
  if (!free_.empty()) {
    next = std::move(free_.back());
    free_.pop_back();
  }
  lock.unlock();
  changed_.notify_all();
  return next;
}

void MotionPieces::Close() {
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

bool MotionPieces::TryTake(Piece& piece) {
  std::unique_lock lock(mutex_);
  if (waiting_.empty()) return false;
  TakeFront(piece, lock);
  return true;
}

bool MotionPieces::Take(Piece& piece) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !waiting_.empty() || closed_; });
  if (waiting_.empty()) return false;
  TakeFront(piece, lock);
  return true;
}

void MotionPieces::TakeFront(Piece& piece, std::unique_lock<std::mutex>& lock) {
  piece = std::move(waiting_.front());
  waiting_.pop_front();
  const bool wake_maker = makerWaiting_ && waiting_.size() <= maxWaiting_ / 2;
  lock.unlock();
  if (wake_maker) changed_.notify_all();
}

void MotionPieces::GiveBack(FloatBuffer buffer) {
  buffer.clear();
  std::lock_guard lock(mutex_);
  if (free_.size() < maxWaiting_) free_.push_back(std::move(buffer));
}

void MotionPieces::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  changed_.notify_all();
}

}  // namespace bk
