#pragma once
#include <windows.h>

#include "platform/WideText.h"

// An open file that closes itself: CreateFileW, ReadFile, WriteFile,
// SetFilePointerEx, GetFileSizeEx and CloseHandle. Paths are UTF-8.
class TFile {
 public:
  ~TFile() { Close(); }
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;
  TFile(TFile&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }

  // An existing file, for reading; others may read it too.
  static TFile OpenForReading(const char* path) {
    return TFile(CreateFileW(WideText(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  // An existing file, for writing from its start.
  static TFile OpenForWriting(const char* path) {
    return TFile(CreateFileW(WideText(path), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  // A new file, for writing; fails rather than touch a file of that name.
  static TFile CreateNew(const char* path) {
    return TFile(CreateFileW(WideText(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  }

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  // The bytes read: 0 at the end of the file, -1 on an error.
  int Read(void* buffer, int size) const {
    DWORD read = 0;
    return ReadFile(handle_, buffer, size, &read, nullptr) ? static_cast<int>(read) : -1;
  }
  // True when every byte was written.
  bool Write(const void* data, int size) const {
    DWORD written = 0;
    return WriteFile(handle_, data, size, &written, nullptr) && written == DWORD(size);
  }
  // The position after moving offset bytes from where origin says
  // (FILE_BEGIN, FILE_CURRENT or FILE_END); -1 on an error.
  long long Seek(long long offset, DWORD origin) const {
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    return SetFilePointerEx(handle_, distance, &position, origin) ? position.QuadPart : -1;
  }
  // FlushFileBuffers: what was written is on the disk, not only in its
  // cache, as a rename that follows would be.
  bool Flush() const { return FlushFileBuffers(handle_) != 0; }
  // -1 when it is not known.
  long long Size() const {
    LARGE_INTEGER size;
    return GetFileSizeEx(handle_, &size) ? size.QuadPart : -1;
  }
  void Close() {
    if (IsOpen()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  explicit TFile(HANDLE handle) : handle_(handle) {}
  HANDLE handle_;
};
