#include "platform/DirectorySearch.h"

#include <cwchar>

bool TDirectorySearch::First(const wchar_t* pattern) {
  Close();
  handle_ = FindFirstFileW(pattern, &entry_);
  return handle_ != INVALID_HANDLE_VALUE;
}

void TDirectorySearch::Close() {
  if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

bool TDirectorySearch::AnsiName(char* buffer, int size) const {
  buffer[0] = '\0';
  if (std::wcspbrk(entry_.cFileName, L"\\/:*?\"<>|")) return false;
  BOOL approximated = FALSE;
  int length =
      WideCharToMultiByte(CP_ACP, 0, entry_.cFileName, -1, buffer, size, nullptr, &approximated);
  // Back to wide, the name must be the entry's own: a best-fit look-alike
  // comes back as another name.
  wchar_t back[MAX_PATH];
  if (length == 0 || approximated ||
      MultiByteToWideChar(CP_ACP, 0, buffer, -1, back, MAX_PATH) == 0 ||
      std::wcscmp(back, entry_.cFileName) != 0) {
    buffer[0] = '\0';
    return false;
  }
  return true;
}
