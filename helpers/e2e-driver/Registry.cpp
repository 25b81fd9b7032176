#include "Driver.h"

namespace e2e {

RegistryValue DefaultValue(const std::string& subkey) {
  RegistryValue value;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return value;
  if (RegQueryValueExW(key, L"", nullptr, &value.type, nullptr, &value.byteCount) ==
      ERROR_SUCCESS) {
    std::wstring data(value.byteCount / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(key, L"", nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]),
                     &value.byteCount);
    value.present = true;
    value.text = Utf8(data.c_str());
  }
  RegCloseKey(key);
  return value;
}

bool KeyExists(const std::string& subkey) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

}  // namespace e2e
