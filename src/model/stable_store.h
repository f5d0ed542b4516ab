#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace bk {

// Owns elements that keep their addresses while more are added. An empty
// store holds no memory (a mesh that only points at another's elements
// costs nothing here); the first block holds a few elements and each next
// one twice as many as the one before, up to blocks of a few kilobytes, so
// that small meshes waste little and big ones need few allocations. Blocks
// stay small enough for the heap to carve them from memory other lists have
// given back.
template <typename T>
class StableStore {
 public:
  T& Add(T element) {
    if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity()) AddBlock();
    return blocks_.back().emplace_back(std::move(element));
  }
  // Makes room for `count` more elements in one block, for callers that know
  // the final size of a small store: no slack past it.
  void Reserve(std::size_t count) {
    if (count == 0) return;
    if (!blocks_.empty() && blocks_.back().capacity() - blocks_.back().size() >= count) return;
    blocks_.emplace_back().reserve(count);
  }
  void Clear() { blocks_.clear(); }

 private:
  static constexpr std::size_t kFirstBlock = 4;
  static constexpr std::size_t kLargestBlock = std::max<std::size_t>(kFirstBlock, (std::size_t{32} << 10) / sizeof(T));

  void AddBlock() {
    const std::size_t size = blocks_.empty() ? kFirstBlock : std::min(blocks_.back().capacity() * 2, kLargestBlock);
    // A block never grows past what it reserves here, so nothing in it moves.
    blocks_.emplace_back().reserve(size);
  }

  std::vector<std::vector<T>> blocks_;
};

}  // namespace bk
