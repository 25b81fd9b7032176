#pragma once
#include <windows.h>

// A search of the current directory: FindFirstFileW, FindNextFileW and
// FindClose, the close in the destructor. The wide calls give each entry's
// real name, so that AnsiName can tell whether the ANSI calls would reach it.
class TDirectorySearch {
 public:
  TDirectorySearch() = default;
  ~TDirectorySearch() { Close(); }
  TDirectorySearch(const TDirectorySearch&) = delete;
  TDirectorySearch& operator=(const TDirectorySearch&) = delete;

  // False when nothing matches the pattern.
  bool First(const wchar_t* pattern);
  bool Next() { return FindNextFileW(handle_, &entry_) != FALSE; }
  void Close();

  DWORD Attributes() const { return entry_.dwFileAttributes; }

  // The entry's name in the ANSI code page. False, with the buffer empty,
  // when no ANSI name opens this very entry: the code page cannot hold it
  // (the ANSI calls would give '?' or a look-alike that may name another
  // file), it holds a character Windows forbids in names, or it does not
  // fit the buffer.
  bool AnsiName(char* buffer, int size) const;

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW entry_;
};
