#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace bk {

// An allocator whose containers grow without clearing the new elements.
// For buffers where every value is written straight after the resize that
// makes room for it: clearing them first would be work thrown away (the
// animation of a large export is hundreds of megabytes of floats).
template <typename T>
struct UnclearedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UnclearedAllocator<U>;
  };
  UnclearedAllocator() = default;
  template <typename U>
  UnclearedAllocator(const UnclearedAllocator<U>&) noexcept {}

  template <typename U>
  void construct(U* at) noexcept {
    ::new (static_cast<void*>(at)) U;
  }
  template <typename U, typename... Args>
  void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }
};

// Floats made for a file, each written as soon as there is room for it.
using FloatBuffer = std::vector<float, UnclearedAllocator<float>>;

}  // namespace bk
