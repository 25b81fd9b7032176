#pragma once
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

// A run of plain values that grows at its end, as a std::vector of them
// would, without the vector's length errors, whose exception classes bring
// the C++ library's strings into the program (some 120 KB).
template <class T>
class Buffer {
  static_assert(std::is_trivially_copyable<T>::value, "values are copied as bytes");

 public:
  void Append(const T* values, std::size_t count) {
    if (size_ + count > capacity_) Reserve(2 * (size_ + count));
    if (count) std::memcpy(values_.get() + size_, values, count * sizeof(T));
    size_ += count;
  }
  void Append(T value) { Append(&value, 1); }
  void Assign(const Buffer& other) {
    size_ = 0;
    Append(other.begin(), other.Size());
  }
  void Clear() { size_ = 0; }
  // Room for `capacity` values in all, so that appending up to it copies nothing.
  void Reserve(std::size_t capacity) {
    if (capacity <= capacity_) return;
    std::unique_ptr<T[]> bigger(new T[capacity]);
    if (size_) std::memcpy(bigger.get(), values_.get(), size_ * sizeof(T));
    values_ = std::move(bigger);
    capacity_ = capacity;
  }

  std::size_t Size() const { return size_; }
  T* begin() const { return values_.get(); }
  T* end() const { return values_.get() + size_; }
  T& operator[](std::size_t index) const { return values_[index]; }

 private:
  std::unique_ptr<T[]> values_;
  std::size_t size_ = 0, capacity_ = 0;
};
