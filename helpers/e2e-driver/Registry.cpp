#include "Driver.h"

namespace e2e {

RegistryValue DefaultValue(const std::string& subkey) {
  RegistryValue value;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return value;
  if (RegQueryValueExA(key, "", nullptr, &value.type, nullptr, &value.byteCount) == ERROR_SUCCESS) {
    std::string data(value.byteCount, '\0');
    RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]),
                     &value.byteCount);
    value.present = true;
    value.text = data.c_str();
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
