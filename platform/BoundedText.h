#pragma once
#include <cstddef>
#include <cstring>

// Copies a NUL-terminated text into a fixed buffer without ever writing past
// it. Returns false, and leaves the buffer empty, when the text does not fit:
// a path cut short would name another file.
inline bool CopyText(char* buffer, std::size_t size, const char* text) {
  std::size_t length = std::strlen(text);
  if (length >= size) {
    if (size > 0) buffer[0] = '\0';
    return false;
  }
  std::memcpy(buffer, text, length + 1);
  return true;
}

template <std::size_t N>
bool CopyText(char (&buffer)[N], const char* text) {
  return CopyText(buffer, N, text);
}
