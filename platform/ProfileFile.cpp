#include "platform/ProfileFile.h"

#include <windows.h>

void ReadProfileValue(const char* section, const char* key, char* buffer, unsigned size,
                      const char* file) {
  GetPrivateProfileStringA(section, key, "", buffer, size, file);
}

bool WriteProfileValue(const char* section, const char* key, const char* value, const char* file) {
  return WritePrivateProfileStringA(section, key, value, file) != 0;
}
