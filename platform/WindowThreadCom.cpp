#include "platform/WindowThreadCom.h"

#include "platform/SystemLibrary.h"

const ComEntries* WindowThreadCom() {
  static ComEntries com;
  static const bool started = [] {
    HMODULE ole = LoadSystemLibrary(L"ole32.dll");
    auto initialize = LibraryEntry<decltype(&CoInitializeEx)>(ole, "CoInitializeEx");
    com.create = LibraryEntry<decltype(com.create)>(ole, "CoCreateInstance");
    com.free = LibraryEntry<decltype(com.free)>(ole, "CoTaskMemFree");
    if (!initialize || !com.create || !com.free) return false;
    const HRESULT result = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
  }();
  return started ? &com : nullptr;
}
