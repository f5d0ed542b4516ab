#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "model/threads.h"

namespace bk {

// How a MapInOrder shares its work out.
struct MapThreads {
  // Threads that make items, the calling one included; 0: one per core.
  unsigned Count = 2;
  // Made items that may wait for their turn beyond the one in use: what
  // bounds the memory, whatever the number of items.
  std::size_t Ahead = 4;
};

// Raised when a map ends early; a maker of long items may poll it and stop.
using MapStop = std::atomic<bool>;

namespace parallel_map_detail {

template <typename T>
struct Slot {
  std::optional<T> item;
  std::exception_ptr failure;
  bool ready = false;
};

// The state the calling thread and the helpers share. Items [used, claimed)
// are being made or wait in their slots; no more than slots.size() of them,
// so that item i's slot, i % slots.size(), is never held twice.
template <typename T, typename Make>
class Shared {
 public:
  Shared(std::size_t count, std::size_t window, const Make& make)
      : count_(count), slots_(window), make_(make) {}

  // A helper: makes the next unclaimed items while there is room for them.
  void Help() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stop_ || MayClaimAhead(); });
      if (stop_) return;
      MakeInto(lock, claimed_++);
    }
  }

  // The calling thread: item i, made here when nobody has taken it up, and
  // meanwhile a later one made here too rather than waiting idle.
  // Rethrows what making it threw.
  T Take(std::size_t i) {
    std::unique_lock lock(mutex_);
    for (;;) {
      Slot<T>& slot = slots_[i % slots_.size()];
      if (slot.ready) return TakeFrom(slot);
      if (claimed_ == i) {
        ++claimed_;
        lock.unlock();
        return make_(i, stop_);
      }
      if (MayClaimAhead()) {
        MakeInto(lock, claimed_++);
      } else {
        changed_.wait(lock);
      }
    }
  }

  // Item 0 is the calling thread's, before any helper starts.
  void ClaimFirst() { claimed_ = 1; }

  // Item i has been used: its slot is free for a later one.
  void Used(std::size_t i) {
    {
      std::lock_guard lock(mutex_);
      used_ = i + 1;
    }
    changed_.notify_all();
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
  }

 private:
  bool MayClaimAhead() const { return claimed_ < count_ && claimed_ < used_ + slots_.size(); }

  // Makes item i with the lock let go, and leaves it (or what stopped it)
  // in its slot, the lock held again.
  void MakeInto(std::unique_lock<std::mutex>& lock, std::size_t i) {
    lock.unlock();
    std::optional<T> item;
    std::exception_ptr failure;
    try {
      item.emplace(make_(i, stop_));
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    Slot<T>& slot = slots_[i % slots_.size()];
    slot.item = std::move(item);
    slot.failure = failure;
    slot.ready = true;
    changed_.notify_all();
  }

  T TakeFrom(Slot<T>& slot) {
    slot.ready = false;
    if (slot.failure) std::rethrow_exception(std::exchange(slot.failure, nullptr));
    T item = std::move(*slot.item);
    slot.item.reset();
    return item;
  }

  const std::size_t count_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t claimed_ = 0;  // the first item nobody has taken up
  std::size_t used_ = 0;     // the first item not yet used
  std::vector<Slot<T>> slots_;
  MapStop stop_{false};
  const Make& make_;
};

}  // namespace parallel_map_detail

// Objects with storage worth keeping (a batch's text, its meshes) that the
// items of a MapInOrder take and give back from any thread, so that the
// storage, grown to an item's size, serves the next one.
template <typename T>
class Spares {
 public:
  // One given back earlier, or null.
  std::unique_ptr<T> Take() {
    const std::lock_guard lock(mutex_);
    if (spares_.empty()) return nullptr;
    std::unique_ptr<T> spare = std::move(spares_.back());
    spares_.pop_back();
    return spare;
  }
  void Give(std::unique_ptr<T> spare) {
    if (spare == nullptr) return;
    const std::lock_guard lock(mutex_);
    spares_.push_back(std::move(spare));
  }

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<T>> spares_;
};

// The one way work is shared between threads. Makes items 0 to count - 1
// with make(i, stop), which returns a T, and hands each to use(i, T&&) in
// order on the calling thread; use returns false to end early. Items are
// made on the calling thread and threads.Count - 1 helpers, at most
// threads.Ahead + 1 beyond the last one used, so memory stays bounded.
//
// Ending early, for whatever reason, raises `stop` and waits for the
// helpers before returning: a false from use returns false; what make
// throws is thrown again here when its item's turn comes (so every item
// before it has been used, as in a single pass); what use throws passes
// through. Helpers that cannot start leave the work to those that did, and
// without any the items are made and used here in turn: a one-thread
// machine, or one out of threads, gets the same result, only later.
//
// `make` runs on several threads at once, so it may only read what nothing
// changes meanwhile; `use` runs on the calling thread alone.
template <typename T, typename Make, typename Use>
bool MapInOrder(std::size_t count, MapThreads threads, const Make& make, const Use& use) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t helpers =
      std::min<std::size_t>(count, threads.Count == 0 ? cores : threads.Count) - (count > 0 ? 1 : 0);
  parallel_map_detail::Shared<T, Make> shared(count, std::max<std::size_t>(threads.Ahead, 1) + helpers, make);
  // Stopped and joined on every way out.
  struct Helpers {
    parallel_map_detail::Shared<T, Make>& shared;
    std::vector<std::jthread> threads;
    ~Helpers() {
      shared.Stop();
      threads.clear();
    }
  } started{shared, {}};
  if (count == 0) return true;
  shared.ClaimFirst();
  try {
    for (std::size_t h = 0; h < helpers; ++h) started.threads.push_back(StartThread([&shared] { shared.Help(); }));
  } catch (const std::system_error&) {
    // Fewer helpers, or none: the work is still done, here.
  }
  MapStop first_stop{false};
  if (!use(0, make(0, first_stop))) return false;
  shared.Used(0);
  for (std::size_t i = 1; i < count; ++i) {
    if (!use(i, shared.Take(i))) return false;
    shared.Used(i);
  }
  return true;
}

}  // namespace bk
