#include "Driver.h"

namespace e2e {

std::string Utf8(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  std::string utf8(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, &utf8[0], static_cast<int>(utf8.size()),
                      nullptr, nullptr);
  return utf8;
}

std::wstring Wide(const std::string& utf8) {
  const int length = static_cast<int>(utf8.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, &wide[0], static_cast<int>(wide.size()));
  return wide;
}

}  // namespace e2e
