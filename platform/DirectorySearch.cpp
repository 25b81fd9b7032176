#include "platform/DirectorySearch.h"

#include <cwctype>
#include <cwchar>

#include "platform/WideText.h"

bool TDirectorySearch::First(const wchar_t* pattern) {
  Close();
  handle_ = FindFirstFileW(pattern, &entry_);
  return handle_ != INVALID_HANDLE_VALUE;
}

void TDirectorySearch::Close() {
  if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

namespace {

bool EndsWith(const wchar_t* name, const wchar_t* ending) {
  std::size_t length = std::wcslen(name), endingLength = std::wcslen(ending);
  if (length < endingLength) return false;
  for (name += length - endingLength; *ending; ++name, ++ending)
    if (std::towlower(*name) != std::towlower(*ending) || *name > 0x7F) return false;
  return true;
}

}  // namespace

bool TDirectorySearch::Matches(const wchar_t* ending) const {
  return EndsWith(entry_.cFileName, ending) || EndsWith(entry_.cAlternateFileName, ending);
}

bool TDirectorySearch::Name(char* buffer, int size) const {
  buffer[0] = '\0';
  const wchar_t* name = entry_.cFileName;
  std::size_t length = std::wcslen(name);
  bool dots = !std::wcscmp(name, L".") || !std::wcscmp(name, L"..");
  if (std::wcspbrk(name, L"\\/:*?\"<>|") ||
      (!dots && length > 0 && (name[length - 1] == L' ' || name[length - 1] == L'.')))
    return false;
  return ToUtf8(name, buffer, size);
}
