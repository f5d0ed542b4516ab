#include "model/parallel_map.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/threads.h"

namespace bk {
namespace {

// Squares made on whatever thread, used in order; `stop_at` ends the use
// early and `throw_at` makes one item fail.
struct MapRun {
  bool finished = false;
  std::vector<int> used;
  std::string failure;
};

MapRun Squares(std::size_t count, MapThreads threads, std::size_t stop_at = SIZE_MAX, std::size_t throw_at = SIZE_MAX) {
  MapRun run;
  try {
    run.finished = MapInOrder<int>(
        count, threads,
        [&](std::size_t i, const MapStop&) {
          if (i == throw_at) throw std::runtime_error("item " + std::to_string(i));
          return static_cast<int>(i * i);
        },
        [&](std::size_t i, int&& square) {
          run.used.push_back(square);
          return i + 1 != stop_at;
        });
  } catch (const std::runtime_error& error) {
    run.failure = error.what();
  }
  return run;
}

std::vector<int> SquaresUpTo(std::size_t count) {
  std::vector<int> squares;
  for (std::size_t i = 0; i < count; ++i) squares.push_back(static_cast<int>(i * i));
  return squares;
}

TEST(ParallelMap, UsesEveryItemInOrderWhateverTheThreads) {
  for (unsigned threads : {1u, 2u, 4u}) {
    for (std::size_t ahead : {1u, 3u}) {
      for (std::size_t count : {0u, 1u, 2u, 1000u}) {
        SCOPED_TRACE(::testing::Message() << threads << " threads, " << ahead << " ahead, " << count << " items");
        const MapRun run = Squares(count, MapThreads{threads, ahead});
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(run.used, SquaresUpTo(count));
      }
    }
  }
}

TEST(ParallelMap, EndsWhereUseStopsOrMakeFailsAsASinglePassWould) {
  for (unsigned threads : {1u, 2u}) {
    SCOPED_TRACE(threads);
    const MapRun stopped = Squares(500, MapThreads{threads, 2}, 100);
    EXPECT_FALSE(stopped.finished);
    EXPECT_EQ(stopped.used, SquaresUpTo(100));
    // Every item before the failing one is used, none after it.
    const MapRun failed = Squares(500, MapThreads{threads, 2}, SIZE_MAX, 250);
    EXPECT_EQ(failed.failure, "item 250");
    EXPECT_EQ(failed.used, SquaresUpTo(250));
  }
}

TEST(ParallelMap, MakesTheFirstItemHereFirstNeverRunsFarAheadAndStops) {
  const std::thread::id caller = std::this_thread::get_id();
  std::thread::id first_maker;
  std::atomic<std::size_t> uses{0};
  std::size_t uses_before_first = 1;
  std::atomic<std::size_t> last_used{0};
  std::mutex mutex;
  std::size_t farthest = 0;  // how far beyond the last item used one was made
  std::size_t made = 0;
  const bool finished = MapInOrder<int>(
      10000, MapThreads{2, 3},
      [&](std::size_t i, const MapStop&) {
        const std::lock_guard lock(mutex);
        if (i == 0) {
          first_maker = std::this_thread::get_id();
          uses_before_first = uses;
        }
        ++made;
        farthest = std::max(farthest, i - std::min(i, last_used.load()));
        return 0;
      },
      [&](std::size_t i, int&&) {
        ++uses;
        last_used = i;
        return i < 500;
      });
  EXPECT_FALSE(finished);
  EXPECT_EQ(first_maker, caller);
  EXPECT_EQ(uses_before_first, 0u);
  // Ahead waiting, and one more for each thread that makes.
  EXPECT_LE(farthest, 3u + 1u);
  EXPECT_LE(made, 501u + 3u + 1u);
}

TEST(ParallelMap, WithoutHelpersEverythingIsDoneOnTheCallingThread) {
  RefuseThreadStartsForTesting(true);
  const std::thread::id caller = std::this_thread::get_id();
  std::vector<std::thread::id> makers;
  const bool finished = MapInOrder<int>(
      50, MapThreads{4, 2},
      [&](std::size_t, const MapStop&) {
        makers.push_back(std::this_thread::get_id());
        return 1;
      },
      [](std::size_t, int&&) { return true; });
  RefuseThreadStartsForTesting(false);
  EXPECT_TRUE(finished);
  EXPECT_EQ(makers, std::vector<std::thread::id>(50, caller));
}

}  // namespace
}  // namespace bk
