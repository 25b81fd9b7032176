#include "platform/Files.h"

#include <windows.h>

bool FileExists(const char* name) {
  return GetFileAttributesW(WideText(name)) != INVALID_FILE_ATTRIBUTES;
}

bool FileCanBeRead(const char* name) {
  HANDLE file = CreateFileW(WideText(name), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool MakeDirectory(const char* name) {
  return CreateDirectoryW(WideText(name), nullptr) || IsDirectory(name);
}

bool RemoveFile(const char* name) { return DeleteFileW(WideText(name)) != 0; }

bool FlushToDisk(const char* name) {
  HANDLE file = CreateFileW(WideText(name), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool flushed = FlushFileBuffers(file) != 0;
  CloseHandle(file);
  return flushed;
}

bool MoveFileOver(const char* from, const char* to) {
  return MoveFileExW(WideText(from), WideText(to),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool CreateUniqueFile(const char* directory, const char* prefix, char (&name)[UniqueNameSize]) {
  wchar_t wide[MAX_PATH];  // what GetTempFileNameW writes at the most
  return GetTempFileNameW(WideText(directory), WideText(prefix), 0, wide) != 0 &&
         ToUtf8(wide, name, UniqueNameSize);
}

bool ChangeDirectory(const char* name) { return SetCurrentDirectoryW(WideText(name)) != 0; }

bool CurrentDirectory(char* buffer, int size) {
  wchar_t wide[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, wide);
  if (length == 0 || length >= MAX_PATH) {
    if (size > 0) buffer[0] = '\0';
    return false;
  }
  return ToUtf8(wide, buffer, size);
}

bool IsDirectory(const char* name) {
  const DWORD attributes = GetFileAttributesW(WideText(name));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MayGoAway(const char* path) {
  if (path[0] == '\\' && path[1] == '\\') return true;  // \\server\share
  const wchar_t root[] = {static_cast<wchar_t>(path[0]), L':', L'\\', L'\0'};
  return GetDriveTypeW(root) != DRIVE_FIXED;
}
