#include "Driver.h"

#include <cstring>

namespace e2e {

namespace {

// The size of the program's path slots, in UTF-8: no path it points at is
// longer.
constexpr SIZE_T PathBytes = 3 * 515 + 1;

// Across processes Wine answers SendMessageA(LB_GETTEXT) and
// SendMessageA(CB_GETLBTEXT) in UTF-16, so the text is asked for in UTF-16.
std::vector<std::string> Entries(HWND control, UINT count, UINT textLength, UINT text) {
  std::vector<std::string> entries;
  const LRESULT total = SendMessageW(control, count, 0, 0);
  for (LRESULT index = 0; index < total; ++index) {
    const LRESULT length = SendMessageW(control, textLength, index, 0);
    if (length < 0) break;  // the program emptied the list meanwhile
    std::wstring entry(length + 1, L'\0');
    const LRESULT copied = SendMessageW(control, text, index, reinterpret_cast<LPARAM>(&entry[0]));
    if (copied < 0) break;
    entry.resize(copied);
    entries.push_back(Utf8(entry));
  }
  return entries;
}

std::string ReadString(HANDLE process, LPARAM address) {
  char buffer[PathBytes] = {};
  SIZE_T read = 0;
  ReadProcessMemory(process, reinterpret_cast<LPCVOID>(address), buffer, sizeof buffer, &read);
  return std::string(buffer, strnlen(buffer, read));
}

}  // namespace

std::vector<std::string> ListStrings(HWND list) {
  return Entries(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ComboStrings(HWND combo) {
  return Entries(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ListSelection(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

std::vector<LPARAM> ListItemData(HWND list) {
  std::vector<LPARAM> data;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index)
    data.push_back(SendMessageA(list, LB_GETITEMDATA, index, 0));
  return data;
}

std::vector<std::string> ListItemPaths(HWND list) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, processId);
  std::vector<std::string> paths;
  for (LPARAM address : ListItemData(list)) paths.push_back(ReadString(process, address));
  if (process) CloseHandle(process);
  return paths;
}

}  // namespace e2e
