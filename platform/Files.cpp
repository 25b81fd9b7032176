#include "platform/Files.h"

#include <windows.h>

bool FileExists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

bool FileCanBeRead(const char* name) {
  HANDLE file =
      CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool MakeDirectory(const char* name) {
  if (CreateDirectoryA(name, nullptr)) return true;
  const DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const char* name) { return DeleteFileA(name) != 0; }

bool MoveFileOver(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool CreateUniqueFile(const char* directory, const char* prefix, char (&name)[UniqueNameSize]) {
  static_assert(UniqueNameSize == MAX_PATH, "GetTempFileNameA writes up to MAX_PATH bytes");
  return GetTempFileNameA(directory, prefix, 0, name) != 0;
}
