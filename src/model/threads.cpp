#include "model/threads.h"

#include <atomic>
#include <cerrno>

namespace bk {

namespace {
std::atomic<bool> refuse_starts{false};
}  // namespace

void ThrowIfThreadsMayNotStart() {
  if (refuse_starts.load(std::memory_order_relaxed)) {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again),
                            "could not start a thread");
  }
}

void RefuseThreadStartsForTesting(bool refuse) { refuse_starts.store(refuse, std::memory_order_relaxed); }

}  // namespace bk
