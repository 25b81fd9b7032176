#include "Driver.h"

namespace e2e {

namespace {

struct Search {
  DWORD processId;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindowOfProcess(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == search.processId) search.windows.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
  Search search = {processId, {}};
  EnumWindows(CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

std::string WindowText(HWND window) {
  std::string text(GetWindowTextLengthA(window) + 1, '\0');
  text.resize(GetWindowTextA(window, &text[0], static_cast<int>(text.size())));
  return text;
}

HWND FindFrame(DWORD processId) {
  for (HWND window : TopLevelWindows(processId))
    if (IsWindowVisible(window) && WindowText(window) == FrameCaption) return window;
  return nullptr;
}

HWND WaitForFrame(DWORD processId, DWORD timeoutMs) {
  HWND frame = nullptr;
  WaitUntil([&] { return (frame = FindFrame(processId)) != nullptr; }, timeoutMs);
  return frame;
}

HWND Dialog(HWND frame) { return GetWindow(frame, GW_CHILD); }

HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

SIZE ClientSize(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

bool Shows(HWND control) {
  HWND parent = GetParent(control);
  RECT rect = WindowRect(control), client = {}, both;
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  GetClientRect(parent, &client);
  return IntersectRect(&both, &rect, &client) && EqualRect(&both, &rect);
}

}  // namespace e2e
