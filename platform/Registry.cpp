#include "platform/Registry.h"

#include <windows.h>

namespace {

class Win32Registry final : public CurrentUserRegistry {
 public:
  Key OpenExisting(const char* subkey) override {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
      return nullptr;
    return key;
  }

  void SetDefaultString(Key key, const char* value, unsigned long byteCount) override {
    RegSetValueExA(static_cast<HKEY>(key), "", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   byteCount);
  }

  void Close(Key key) override { RegCloseKey(static_cast<HKEY>(key)); }
};

}  // namespace

CurrentUserRegistry& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}
