#pragma once

// One reference to a COM object, released when it goes; the pointer's
// address is what the creating call fills in.
template <class Interface>
struct Reference {
  Reference() = default;
  Reference(const Reference&) = delete;
  Reference& operator=(const Reference&) = delete;
  ~Reference() {
    if (pointer) pointer->Release();
  }
  Interface* operator->() const { return pointer; }

  Interface* pointer = nullptr;
};
