#pragma once
#include <cstring>

#include "scheme/Buffer.h"

// Names, each with its NUL, one after the other in a buffer that grows.
class NameList {
 public:
  void Add(const char* name) { names_.Append(name, std::strlen(name) + 1); }
  // for (const char* name = list.First(); name; name = list.Next(name))
  const char* First() const { return names_.Size() ? names_.begin() : nullptr; }
  const char* Next(const char* name) const {
    name += std::strlen(name) + 1;
    return name < names_.end() ? name : nullptr;
  }

 private:
  Buffer<char> names_;
};
