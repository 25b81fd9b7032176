#include "platform/Registry.h"

#include <windows.h>

#include "platform/WideText.h"

namespace {

class Win32Registry final : public CurrentUserRegistry {
 public:
  Key OpenExisting(const char* subkey) override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideText(subkey), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
      return nullptr;
    return key;
  }

  Key OpenOrCreate(const char* subkey) override {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WideText(subkey), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
      return nullptr;
    return key;
  }

  // The value in UTF-8 becomes the same string in UTF-16.
  void SetDefaultString(Key key, const char* value, unsigned long) override {
    WideText wide(value);
    RegSetValueExW(static_cast<HKEY>(key), L"", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(static_cast<const wchar_t*>(wide)),
                   static_cast<DWORD>((wide.Length() + 1) * sizeof(wchar_t)));
  }

  void Close(Key key) override { RegCloseKey(static_cast<HKEY>(key)); }
};

}  // namespace

CurrentUserRegistry& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}
