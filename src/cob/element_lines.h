#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <stop_token>
#include <thread>
#include <vector>

#include "model/threads.h"
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
                 std::stop_token stop = {}) {
  for (std::size_t i = 0; i < count; ++i) {
    if (stop.stop_requested()) return false;
    T element{};
    if (!read_one(in, element)) return false;
    keep(std::move(element));
  }
  return true;
}

// How the calling thread's half went, as the helper thread waits to hear it.
enum class FirstHalf { kReading, kRead, kFailed };

// Tells the helper how the first half went; if nothing else did, at the end
// of the scope that it failed (an exception), so the helper never waits in vain.
class FirstHalfSignal {
 public:
  explicit FirstHalfSignal(std::atomic<FirstHalf>& state) : state_(state) {}
  ~FirstHalfSignal() { Send(FirstHalf::kFailed); }
  FirstHalfSignal(const FirstHalfSignal&) = delete;
  FirstHalfSignal& operator=(const FirstHalfSignal&) = delete;
  void Send(FirstHalf outcome) {
    FirstHalf expected = FirstHalf::kReading;
    if (state_.compare_exchange_strong(expected, outcome)) state_.notify_one();
  }

 private:
  std::atomic<FirstHalf>& state_;
};

// The second half's elements until they are kept. Blocks of a size the heap
// carves from itself, each given back as soon as its elements are kept: one
// freed block is room for many small allocations, where a freed node
// between two live small ones would be room for nothing.
template <typename T>
class ElementBlocks {
 public:
  void Add(T&& element) {
    if (blocks_.empty() || blocks_.back().size() == kBlock) blocks_.emplace_back().reserve(kBlock);
    blocks_.back().push_back(std::move(element));
  }
  template <typename Keep>
  void MoveOut(const Keep& keep) {
    for (std::vector<T>& block : blocks_) {
      for (T& element : block) keep(std::move(element));
      std::vector<T>().swap(block);
    }
    blocks_.clear();
  }

 private:
  static constexpr std::size_t kBlock = (std::size_t{64} << 10) / sizeof(T);
  std::vector<std::vector<T>> blocks_;
};

}  // namespace element_lines_detail

// Reads `count` elements of `lines` lines each with read_one(LineReader&, T&),
// which must read exactly `lines` lines when it succeeds and may be called
// on two threads at once, and hands each to keep(T&&) in order, one at a
// time (those of a second half on the helper thread, while the calling
// thread waits for it). False when an element does not read. Whatever the outcome, the
// elements kept and where the reader ends are what reading the elements one
// by one gives: every element before the first that fails, and the reader
// on the last line of the last element or where the failing one stopped.
//
// A long list is read in two halves at once: a second thread counts its way
// to the middle by line ends alone and reads the second half from there. As
// every element is read from its own lines only, the halves give the
// elements a single pass would.
template <typename T, typename ReadOne, typename Keep>
bool ReadElementLines(LineReader& in, std::size_t count, std::size_t lines, const ReadOne& read_one,
                      const Keep& keep, std::size_t min_lines_for_two_threads = kMinLinesForTwoThreads) {
  using element_lines_detail::ElementBlocks;
  using element_lines_detail::FirstHalf;
  using element_lines_detail::FirstHalfSignal;
  using element_lines_detail::ReadInOrder;
  // Every line takes at least one byte: too few bytes cannot hold the list.
  if (count < 2 || count * lines < min_lines_for_two_threads || in.BytesLeft() < count * lines) {
    return ReadInOrder<T>(in, count, read_one, keep);
  }
  const std::size_t half = count / 2;
  LineReader second = in;
  bool second_ok = false;
  std::exception_ptr failure;
  std::atomic<FirstHalf> first_half{FirstHalf::kReading};
  {
    // The helper also keeps the second half, once the first is kept, while
    // this thread waits: the memory its list gives back as it is emptied is
    // then where the kept elements go (a thread's heap is its own).
    std::jthread helper = StartThread([&](std::stop_token stop) {
      try {
        ElementBlocks<T> tail;
        second_ok = second.SkipLines(half * lines) &&
                    ReadInOrder<T>(second, count - half, read_one,
                                   [&tail](T&& element) { tail.Add(std::move(element)); }, stop);
        first_half.wait(FirstHalf::kReading);
        if (first_half.load() == FirstHalf::kRead) tail.MoveOut(keep);
      } catch (...) {
        failure = std::current_exception();
      }
    });
    FirstHalfSignal signal(first_half);
    // A failure in the first half is where a single pass stops: the second
    // half no longer matters (the helper is stopped and joined on return).
    if (!ReadInOrder<T>(in, half, read_one, keep)) return false;
    signal.Send(FirstHalf::kRead);
    helper.join();  // unlike the destructor, lets the second half finish
  }
  if (failure) std::rethrow_exception(failure);
  // The first half read all its lines, so the second half started right
  // after them and stopped where a single pass would stop.
  in = second;
  return second_ok;
}

}  // namespace bk
