#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <span>
#include <stdexcept>

namespace bk {

// A list of corner indices that keeps up to four of them inside itself.
// Nearly every face of a mesh is a triangle or a quad, and a big mesh has a
// million of them (and an explosion copies each again), so a face's two
// lists cost no heap block and no pointer chase in the common case, and take
// 20 bytes where a std::vector takes 24 plus its block.
//
// A list of more than four entries lives on the heap; the four slots then
// hold the block's address and capacity instead. Whether the list is on the
// heap follows from its size alone: a list that shrinks back to four entries
// or fewer returns to its slots.
class IndexList {
 public:
  using value_type = std::uint32_t;
  using size_type = std::size_t;
  using iterator = std::uint32_t*;
  using const_iterator = const std::uint32_t*;
  static constexpr std::uint32_t kInlineCapacity = 4;

  IndexList() = default;
  IndexList(std::initializer_list<std::uint32_t> values) { assign(values.begin(), values.end()); }
  IndexList(const IndexList& other) { assign(other.begin(), other.end()); }
  IndexList(IndexList&& other) noexcept { TakeFrom(other); }
  IndexList& operator=(const IndexList& other) {
    if (this != &other) assign(other.begin(), other.end());
    return *this;
  }
  IndexList& operator=(IndexList&& other) noexcept {
    if (this != &other) {
      clear();
      TakeFrom(other);
    }
    return *this;
  }
  IndexList& operator=(std::initializer_list<std::uint32_t> values) {
    assign(values.begin(), values.end());
    return *this;
  }
  ~IndexList() { clear(); }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::uint32_t* data() { return OnHeap() ? Heap() : slots_; }
  const std::uint32_t* data() const { return OnHeap() ? Heap() : slots_; }
  iterator begin() { return data(); }
  iterator end() { return data() + size_; }
  const_iterator begin() const { return data(); }
  const_iterator end() const { return data() + size_; }
  std::uint32_t& operator[](std::size_t i) { return data()[i]; }
  std::uint32_t operator[](std::size_t i) const { return data()[i]; }
  std::uint32_t& back() { return data()[size_ - 1]; }
  std::uint32_t back() const { return data()[size_ - 1]; }
  operator std::span<const std::uint32_t>() const { return {data(), size_}; }

  void clear() { Resize(0); }
  void pop_back() { Resize(size_ - 1); }
  void push_back(std::uint32_t value) {
    const std::size_t at = size_;
    Resize(at + 1);
    data()[at] = value;
  }
  // Lists of up to four entries need no room beyond their slots, so this
  // only prepares the heap block of a longer one.
  void reserve(std::size_t count) {
    if (OnHeap() && count > Capacity()) MoveToHeap(count);
  }
  // New entries are zero.
  void resize(std::size_t count) {
    const std::size_t old = size_;
    Resize(count);
    if (count > old) std::fill(data() + old, data() + count, 0u);
  }
  void assign(std::size_t count, std::uint32_t value) {
    clear();
    Resize(count);
    std::fill(data(), data() + count, value);
  }
  template <std::forward_iterator Iterator>
  void assign(Iterator first, Iterator last) {
    const auto count = static_cast<std::size_t>(std::distance(first, last));
    clear();
    Resize(count);
    // The branch spelled out: the compiler then sees that a short list
    // stays within its slots.
    if (count > kInlineCapacity) {
      std::copy(first, last, Heap());
    } else {
      std::copy_n(first, count, slots_);
    }
  }

  friend bool operator==(const IndexList& a, const IndexList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator==(const IndexList& a, std::span<const std::uint32_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  bool OnHeap() const { return size_ > kInlineCapacity; }
  // On the heap: the block's address in slots 0 and 1, its capacity in slot 2.
  std::uint32_t* Heap() const {
    std::uint32_t* block = nullptr;
    std::memcpy(&block, slots_, sizeof block);
    return block;
  }
  std::uint32_t Capacity() const { return slots_[2]; }

  // Changes the size, moving the entries between the slots and the heap as
  // the new size asks; entries past the old size are left unset.
  void Resize(std::size_t count) {
    // No face has more corners than 32 bits can count: refused like a
    // vector's overlong list.
    if (count > UINT32_MAX) throw std::length_error("index list too long");
    if (count > kInlineCapacity) {
      if (!OnHeap()) {
        MoveToHeap(count);
      } else if (count > Capacity()) {
        MoveToHeap(std::max<std::size_t>(count, 2 * std::size_t{Capacity()}));
      }
    } else if (OnHeap()) {
      MoveToSlots(count);
    }
    size_ = static_cast<std::uint32_t>(count);
  }
  // Moves the entries to a heap block of `capacity` entries.
  void MoveToHeap(std::size_t capacity) {
    capacity = std::max<std::size_t>(capacity, 2 * kInlineCapacity);
    if (capacity > UINT32_MAX) throw std::length_error("index list too long");
    auto block = std::make_unique_for_overwrite<std::uint32_t[]>(capacity);
    std::copy(begin(), end(), block.get());
    if (OnHeap()) std::unique_ptr<std::uint32_t[]>(Heap()).reset();
    std::uint32_t* address = block.release();
    std::memcpy(slots_, &address, sizeof address);
    slots_[2] = static_cast<std::uint32_t>(capacity);
  }
  // Moves the first `count` (at most four) entries back into the slots.
  void MoveToSlots(std::size_t count) {
    std::unique_ptr<std::uint32_t[]> block(Heap());
    std::copy(block.get(), block.get() + count, slots_);
  }
  void TakeFrom(IndexList& other) {
    size_ = other.size_;
    std::copy(other.slots_, other.slots_ + kInlineCapacity, slots_);
    other.size_ = 0;
  }

  std::uint32_t size_ = 0;
  std::uint32_t slots_[kInlineCapacity] = {};
};

}  // namespace bk
