#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace bk {

// Owns elements that keep their addresses while more are added. An empty
// store holds no memory and takes the room of one pointer (a mesh that only
// points at another's elements costs nothing here, and an explosion makes a
// quarter of a million meshes); the first block holds a few elements and each
// next one twice as many as the one before, up to blocks of a few kilobytes,
// so that small meshes waste little and big ones need few allocations. Blocks
// stay small enough for the heap to carve them from memory other lists have
// given back. Each block is one allocation: its bookkeeping, then its
// elements.
template <typename T>
class StableStore {
 public:
  StableStore() = default;
  StableStore(StableStore&& other) noexcept : last_(std::exchange(other.last_, nullptr)) {}
  StableStore& operator=(StableStore&& other) noexcept {
    if (this != &other) {
      Clear();
      last_ = std::exchange(other.last_, nullptr);
    }
    return *this;
  }
  ~StableStore() { Clear(); }

  T& Add(T element) {
    if (last_ == nullptr || last_->size == last_->capacity) AddBlock(NextBlockSize());
    T* slot = last_->Items() + last_->size;
    std::construct_at(slot, std::move(element));
    ++last_->size;
    return *slot;
  }
  // Makes room for `count` more elements in one block, for callers that know
  // the final size of a small store: no slack past it. Bigger stores grow
  // block by block as usual.
  void Reserve(std::size_t count) {
    if (count == 0 || count > kLargestBlock) return;
    if (last_ != nullptr && last_->capacity - last_->size >= count) return;
    AddBlock(count);
  }
  void Clear() {
    while (last_ != nullptr) {
      Block* previous = last_->previous;
      std::destroy_n(last_->Items(), last_->size);
      std::allocator<Block>().deallocate(last_, UnitsFor(last_->capacity));
      last_ = previous;
    }
  }

 private:
  struct Block {
    Block* previous;
    std::uint32_t size;
    std::uint32_t capacity;
    // The elements start right after the bookkeeping, which is a whole
    // number of units of their alignment.
    T* Items() { return reinterpret_cast<T*>(this + 1); }
  };
  static_assert(alignof(T) <= alignof(Block) && sizeof(Block) % alignof(T) == 0);

  static constexpr std::size_t kFirstBlock = 4;
  static constexpr std::size_t kLargestBlock = std::max<std::size_t>(kFirstBlock, (std::size_t{32} << 10) / sizeof(T));

  // Blocks' worth of memory for the bookkeeping and `capacity` elements.
  static std::size_t UnitsFor(std::size_t capacity) {
    return 1 + (capacity * sizeof(T) + sizeof(Block) - 1) / sizeof(Block);
  }
  std::size_t NextBlockSize() const {
    return last_ == nullptr ? kFirstBlock : std::min<std::size_t>(std::size_t{last_->capacity} * 2, kLargestBlock);
  }
  void AddBlock(std::size_t capacity) {
    Block* block = std::allocator<Block>().allocate(UnitsFor(capacity));
    last_ = std::construct_at(block, Block{last_, 0, static_cast<std::uint32_t>(capacity)});
  }

  Block* last_ = nullptr;
};

}  // namespace bk
