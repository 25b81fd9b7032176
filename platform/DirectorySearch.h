#pragma once
#include <windows.h>

// A search of the current directory: FindFirstFileW, FindNextFileW and
// FindClose, the close in the destructor. The wide calls give each entry's
// real name, in whatever script it is written.
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

  // Whether the pattern "*" + ending would find the entry: its name or its
  // short name ends so, whatever the case of the letters A to Z. Through
  // the short name "*.wav" also finds "x.wave".
  bool Matches(const wchar_t* ending) const;

  // The entry's name in UTF-8. False, with the buffer empty, when no name
  // opens this very entry: it holds a character Windows forbids in names,
  // it ends in a space or a dot (which opening a name drops), it has no
  // UTF-8 form (a lone surrogate), or it does not fit the buffer.
  bool Name(char* buffer, int size) const;

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW entry_;
};
