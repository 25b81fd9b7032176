#include "platform/Files.h"

#include <windows.h>

bool FileExists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

bool RemoveFile(const char* name) { return DeleteFileA(name) != 0; }

bool MoveFileOver(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
