#include "platform/ProfileFile.h"

#include <windows.h>

#include <cwchar>
#include <memory>

#include "platform/File.h"
#include "platform/WideText.h"

void ReadProfileValue(const char* section, const char* key, unsigned units, char* buffer,
                      unsigned size, const char* file) {
  std::unique_ptr<wchar_t[]> value(new wchar_t[units]);
  GetPrivateProfileStringW(WideText(section), WideText(key), L"", value.get(), units,
                           WideText(file));
  ToUtf8(value.get(), buffer, static_cast<int>(size));
}

bool WriteProfileValue(const char* section, const char* key, const char* value, const char* file) {
  return WritePrivateProfileStringW(WideText(section), WideText(key), WideText(value),
                                    WideText(file)) != 0;
}

// Back from the code page, the text must be the same: a best-fit look-alike
// comes back as another one. UTF-8 as the code page (a Windows option)
// holds every character, and takes neither those flags nor a default.
bool AnsiProfileHolds(const char* value) {
  if (GetACP() == CP_UTF8) return true;
  WideText wide(value);
  BOOL approximated = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr,
                                       &approximated);
  if (size == 0 || approximated) return false;
  std::unique_ptr<char[]> ansi(new char[size]);
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, ansi.get(), size, nullptr, nullptr);
  const int length = wide.Length() + 1;
  std::unique_ptr<wchar_t[]> back(new wchar_t[length]);
  return MultiByteToWideChar(CP_ACP, 0, ansi.get(), -1, back.get(), length) == length &&
         std::wmemcmp(back.get(), wide, length) == 0;
}

bool MakeUnicodeProfile(const char* file) {
  const unsigned char byteOrderMark[] = {0xFF, 0xFE};
  TFile profile = TFile::OpenForWriting(file);
  return profile.IsOpen() && profile.Write(byteOrderMark, sizeof byteOrderMark);
}
