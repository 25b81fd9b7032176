#include "Driver.h"

namespace e2e {

namespace {

// The static control that holds a message box's text.
constexpr int MessageTextId = 0xFFFF;

bool IsMessageBox(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return IsWindowVisible(window) && std::string(name) == "#32770";
}

}  // namespace

HWND FindMessageBox(DWORD processId, const std::string& caption, const std::string& text) {
  for (HWND window : TopLevelWindows(processId))
    if (IsMessageBox(window) && WindowText(window) == caption && MessageBoxText(window) == text)
      return window;
  return nullptr;
}

HWND WaitForMessageBox(DWORD processId, const std::string& caption, const std::string& text,
                       DWORD timeoutMs) {
  HWND box = nullptr;
  WaitUntil([&] { return (box = FindMessageBox(processId, caption, text)) != nullptr; }, timeoutMs);
  return box;
}

bool AnyMessageBoxOpen(DWORD processId) {
  for (HWND window : TopLevelWindows(processId))
    if (IsMessageBox(window)) return true;
  return false;
}

std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, MessageTextId)); }

bool AnswerMessageBox(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  return button && Click(button);
}

}  // namespace e2e
