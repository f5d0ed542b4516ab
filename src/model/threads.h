#pragma once

#include <system_error>
#include <thread>
#include <utility>

namespace bk {

// Every helper thread of the program starts through StartThread, so that a
// test can make starting one fail as the system may (std::system_error when
// it is out of threads) and check that each operation turns that into a
// failure of its own rather than a crash.
void ThrowIfThreadsMayNotStart();
// For tests: while on, every StartThread (and ThrowIfThreadsMayNotStart)
// throws std::system_error.
void RefuseThreadStartsForTesting(bool refuse);

template <class Thread = std::jthread, class Function>
Thread StartThread(Function&& function) {
  ThrowIfThreadsMayNotStart();
  return Thread(std::forward<Function>(function));
}

}  // namespace bk
