#include "platform/WideText.h"

WideText::WideText(const char* utf8) {
  if (!utf8) return;
  const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
  text_.reset(new wchar_t[size > 0 ? size : 1]);
  text_[0] = L'\0';
  if (size > 0 && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, text_.get(), size))
    length_ = size - 1;
}

bool ToUtf8(const wchar_t* wide, char* buffer, int size) {
  if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, -1, buffer, size, nullptr, nullptr) >
      0)
    return true;
  if (size > 0) buffer[0] = '\0';
  return false;
}

bool LowerText(const char* utf8, char* buffer, int size) {
  WideText text(utf8);
  wchar_t* wide = const_cast<wchar_t*>(static_cast<const wchar_t*>(text));
  CharLowerBuffW(wide, static_cast<DWORD>(text.Length()));
  return ToUtf8(wide, buffer, size);
}
