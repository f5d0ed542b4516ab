#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <vector>

#include "model/parallel_map.h"
#include "cob/line_reader.h"

namespace bk {

// Lists shorter than this many lines are read on the calling thread alone:
// below it a second thread costs more than it saves. The fuzzers build with a
// small value, so that the lists of their short inputs take both ways.
#ifdef BURSTKIN_MIN_LINES_FOR_TWO_THREADS
inline constexpr std::size_t kMinLinesForTwoThreads = BURSTKIN_MIN_LINES_FOR_TWO_THREADS;
#else
inline constexpr std::size_t kMinLinesForTwoThreads = 1 << 15;
#endif

namespace element_lines_detail {

template <typename T, typename ReadOne, typename Keep>
bool ReadInOrder(LineReader& in, std::size_t count, const ReadOne& read_one, const Keep& keep,
                 const MapStop* stop = nullptr) {
  for (std::size_t i = 0; i < count; ++i) {
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) return false;
    T element{};
    if (!read_one(in, element)) return false;
    keep(std::move(element));
  }
  return true;
}

// Elements read ahead until they are kept. Blocks of a size the heap carves
// from itself, each given back as soon as its elements are kept: one freed
// block is room for many small allocations, where a freed node between two
// live small ones would be room for nothing. The blocks for the elements
// expected are taken up front, on the thread that will keep them: a thread's
// heap is its own, so only then is what it frees room for what it keeps.
template <typename T>
class ElementBlocks {
 public:
  explicit ElementBlocks(std::size_t expected = 0) : blocks_((expected + kBlock - 1) / kBlock) {
    for (std::vector<T>& block : blocks_) block.reserve(kBlock);
  }
  void Add(T&& element) {
    if (filled_ < blocks_.size() && blocks_[filled_].size() == kBlock) ++filled_;
    if (filled_ == blocks_.size()) blocks_.emplace_back().reserve(kBlock);
    blocks_[filled_].push_back(std::move(element));
  }
  template <typename Keep>
  void MoveOut(const Keep& keep) {
    for (std::vector<T>& block : blocks_) {
      for (T& element : block) keep(std::move(element));
      std::vector<T>().swap(block);
    }
    blocks_.clear();
    filled_ = 0;
  }

 private:
  static constexpr std::size_t kBlock = (std::size_t{64} << 10) / sizeof(T);
  std::vector<std::vector<T>> blocks_;
  std::size_t filled_ = 0;
};

// One half of a list as read: its elements, whether all of them read, and
// the reader where it stopped.
template <typename T>
struct ReadHalf {
  ElementBlocks<T> Elements;
  bool Ok = false;
  LineReader End;
};

}  // namespace element_lines_detail

// Reads `count` elements of `lines` lines each with read_one(LineReader&, T&),
// which must read exactly `lines` lines when it succeeds and may be called
// on two threads at once, and hands each to keep(T&&) in order, one at a
// time, on the calling thread. False when an element does not read.
// Whatever the outcome, the elements kept and where the reader ends are what
// reading the elements one by one gives: every element before the first
// that fails, and the reader on the last line of the last element or where
// the failing one stopped.
//
// A long list is read in two halves at once: the second half's reader
// counts its way to the middle by line ends alone and reads from there. As
// every element is read from its own lines only, the halves give the
// elements a single pass would.
template <typename T, typename ReadOne, typename Keep>
bool ReadElementLines(LineReader& in, std::size_t count, std::size_t lines, const ReadOne& read_one,
                      const Keep& keep, std::size_t min_lines_for_two_threads = kMinLinesForTwoThreads) {
  using element_lines_detail::ElementBlocks;
  using element_lines_detail::ReadHalf;
  using element_lines_detail::ReadInOrder;
  // Every line takes at least one byte: too few bytes cannot hold the list.
  if (count < 2 || count * lines < min_lines_for_two_threads || in.BytesLeft() < count * lines) {
    return ReadInOrder<T>(in, count, read_one, keep);
  }
  const std::size_t half = count / 2;
  const LineReader start = in;  // `in` moves on as the halves are kept
  // The first half is kept as it is read (the map makes it first, on this
  // thread); the second is held until then, in blocks taken here.
  // Room for what a sound file's lines could hold (an element's lines take
  // some 30 bytes and more): a bogus count in a file of empty lines takes no
  // more than that up front, and whatever does come is still kept.
  constexpr std::size_t kBytesPerElementAtLeast = 32;
  ElementBlocks<T> second_half(std::min(count - half, in.BytesLeft() / kBytesPerElementAtLeast));
  const auto read_half = [&](std::size_t which, const MapStop& stop) {
    ReadHalf<T> part{which == 0 ? ElementBlocks<T>() : std::move(second_half), false, start};
    const auto add = [&part](T&& element) { part.Elements.Add(std::move(element)); };
    part.Ok = which == 0 ? ReadInOrder<T>(part.End, half, read_one, keep)
                         : part.End.SkipLines(half * lines) &&
                               ReadInOrder<T>(part.End, count - half, read_one, add, &stop);
    return part;
  };
  // A failure in the first half is where a single pass stops: the second
  // half no longer matters.
  return MapInOrder<ReadHalf<T>>(2, MapThreads{2, 1}, read_half, [&](std::size_t, ReadHalf<T>&& part) {
    part.Elements.MoveOut(keep);
    in = part.End;
    return part.Ok;
  });
}

}  // namespace bk
