#pragma once
#include <cstddef>
#include <cstring>
#include <memory>

// Names, each with its NUL, one after the other in a buffer that grows.
class NameList {
 public:
  void Add(const char* name) {
    std::size_t size = std::strlen(name) + 1;
    if (used_ + size > capacity_) {
      capacity_ = 2 * (used_ + size);
      std::unique_ptr<char[]> bigger(new char[capacity_]);
      if (used_) std::memcpy(bigger.get(), names_.get(), used_);
      names_ = std::move(bigger);
    }
    std::memcpy(names_.get() + used_, name, size);
    used_ += size;
  }
  // for (const char* name = list.First(); name; name = list.Next(name))
  const char* First() const { return used_ ? names_.get() : nullptr; }
  const char* Next(const char* name) const {
    name += std::strlen(name) + 1;
    return name < names_.get() + used_ ? name : nullptr;
  }

 private:
  std::unique_ptr<char[]> names_;
  std::size_t used_ = 0, capacity_ = 0;
};
