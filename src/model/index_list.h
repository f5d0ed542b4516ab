#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <span>
#include <stdexcept>
#include <utility>

namespace bk {

// A list of corner indices that keeps up to four of them inside itself.
// Nearly every face of a mesh is a triangle or a quad, and a big mesh has a
// million of them (and an explosion copies each again), so a face's two
// lists cost no heap block and no pointer chase in the common case. Longer
// lists move to the heap like a std::vector. Takes 24 bytes, as a vector does.
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
      Release();
      TakeFrom(other);
    }
    return *this;
  }
  IndexList& operator=(std::initializer_list<std::uint32_t> values) {
    assign(values.begin(), values.end());
    return *this;
  }
  ~IndexList() { Release(); }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::size_t capacity() const { return capacity_; }
  std::uint32_t* data() { return OnHeap() ? heap_ : inline_; }
  const std::uint32_t* data() const { return OnHeap() ? heap_ : inline_; }
  iterator begin() { return data(); }
  iterator end() { return data() + size_; }
  const_iterator begin() const { return data(); }
  const_iterator end() const { return data() + size_; }
  std::uint32_t& operator[](std::size_t i) { return data()[i]; }
  std::uint32_t operator[](std::size_t i) const { return data()[i]; }
  std::uint32_t& back() { return data()[size_ - 1]; }
  std::uint32_t back() const { return data()[size_ - 1]; }
  operator std::span<const std::uint32_t>() const { return {data(), size_}; }

  void clear() { size_ = 0; }
  void pop_back() { --size_; }
  void push_back(std::uint32_t value) {
    if (size_ == capacity_) Grow(static_cast<std::size_t>(capacity_) * 2);
    data()[size_++] = value;
  }
  void reserve(std::size_t count) {
    if (count > capacity_) Grow(count);
  }
  // New entries are zero.
  void resize(std::size_t count) {
    reserve(count);
    if (count > size_) std::fill(data() + size_, data() + count, 0u);
    size_ = static_cast<std::uint32_t>(count);
  }
  void assign(std::size_t count, std::uint32_t value) {
    clear();
    reserve(count);
    std::fill(data(), data() + count, value);
    size_ = static_cast<std::uint32_t>(count);
  }
  template <std::input_iterator Iterator>
  void assign(Iterator first, Iterator last) {
    const auto count = static_cast<std::size_t>(std::distance(first, last));
    clear();
    reserve(count);
    std::copy(first, last, data());
    size_ = static_cast<std::uint32_t>(count);
  }

  friend bool operator==(const IndexList& a, const IndexList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator==(const IndexList& a, std::span<const std::uint32_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  bool OnHeap() const { return capacity_ > kInlineCapacity; }

  // Lists longer than 32 bits can count are refused like a vector's overlong
  // ones: no face has that many corners.
  void Grow(std::size_t count) {
    if (count > UINT32_MAX) throw std::length_error("index list too long");
    count = std::max<std::size_t>(count, kInlineCapacity + 1);
    auto grown = std::make_unique_for_overwrite<std::uint32_t[]>(count);
    std::copy(begin(), end(), grown.get());
    Release();
    heap_ = grown.release();
    capacity_ = static_cast<std::uint32_t>(count);
  }
  void Release() {
    if (OnHeap()) delete[] heap_;
    capacity_ = kInlineCapacity;
  }
  void TakeFrom(IndexList& other) {
    size_ = other.size_;
    capacity_ = other.capacity_;
    if (other.OnHeap()) {
      heap_ = other.heap_;
    } else {
      std::copy(other.inline_, other.inline_ + other.size_, inline_);
    }
    other.size_ = 0;
    other.capacity_ = kInlineCapacity;
  }

  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = kInlineCapacity;
  union {
    std::uint32_t inline_[kInlineCapacity] = {};
    std::uint32_t* heap_;
  };
};

}  // namespace bk
