#include "Driver.h"

namespace e2e {

namespace {

// The lParam of a key message: one repeat, the key's scan code, and for a
// release the previous-state and transition bits.
LPARAM KeyData(UINT key, bool release, bool alt) {
  DWORD data = 1 | MapVirtualKeyA(key, MAPVK_VK_TO_VSC) << 16;
  if (alt) data |= DWORD{KF_ALTDOWN} << 16;
  if (release) data |= DWORD{KF_REPEAT | KF_UP} << 16;
  return data;
}

// Posted, not sent, so that the program's message loop and IsDialogMessage
// see the key as they see one typed.
void PostKey(HWND fallback, UINT key, bool alt) {
  HWND target = FocusWindow(fallback);
  PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, KeyData(key, false, alt));
  PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, KeyData(key, true, alt));
}

// Under Wine a disabled button still answers BM_CLICK; a user can click only
// what is shown and enabled, in a window that is enabled.
bool Clickable(HWND control) {
  return IsWindowVisible(control) && IsWindowEnabled(control) &&
         IsWindowEnabled(GetAncestor(control, GA_ROOT));
}

void NotifyParent(HWND control, UINT code) {
  const int id = GetDlgCtrlID(control);
  PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, code),
               reinterpret_cast<LPARAM>(control));
}

INPUT Stroke(WORD key, wchar_t character, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki = {key, static_cast<WORD>(character), flags, 0, 0};
  return input;
}

// Type() without keys brings the window to the front.
bool SendStrokes(HWND window, std::vector<INPUT> strokes) {
  return Type(window, {}) && SendInput(static_cast<UINT>(strokes.size()), strokes.data(),
                                       sizeof(INPUT)) == strokes.size();
}

}  // namespace

bool Click(HWND button) { return Clickable(button) && PostMessageA(button, BM_CLICK, 0, 0); }

bool SelectListEntry(HWND list, int index) {
  if (!Clickable(list) || SendMessageA(list, LB_SETCURSEL, index, 0) == LB_ERR) return false;
  NotifyParent(list, LBN_SELCHANGE);
  return true;
}

bool SelectComboEntry(HWND combo, int index) {
  if (!Clickable(combo) || SendMessageA(combo, CB_SETCURSEL, index, 0) == CB_ERR) return false;
  NotifyParent(combo, CBN_SELCHANGE);
  return true;
}

HWND FocusWindow(HWND fallback) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(fallback, nullptr), &info) && info.hwndFocus)
    return info.hwndFocus;
  return fallback;
}

void PressEscape(HWND fallback) { PostKey(fallback, VK_ESCAPE, false); }

void PressEnter(HWND fallback) { PostKey(fallback, VK_RETURN, false); }

void PressAltF4(HWND fallback) { PostKey(fallback, VK_F4, true); }

bool Type(HWND window, const std::vector<Key>& keys) {
  HWND top = GetAncestor(window, GA_ROOT);
  if (!SetForegroundWindow(top) || !WaitUntil([&] { return GetForegroundWindow() == top; }, 5000))
    return false;
  std::vector<INPUT> strokes;
  auto stroke = [&](WORD code, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    strokes.push_back(input);
  };
  for (const Key& key : keys) {
    if (key.alt) stroke(VK_MENU, false);
    stroke(key.code, false);
    stroke(key.code, true);
    if (key.alt) stroke(VK_MENU, true);
  }
  return SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT)) ==
         strokes.size();
}

bool TypeText(HWND window, const std::wstring& text) {
  std::vector<INPUT> strokes;
  for (wchar_t character : text)
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}})
      strokes.push_back(Stroke(0, character, KEYEVENTF_UNICODE | up));
  return SendStrokes(window, strokes);
}

bool PressTogether(HWND window, const std::vector<WORD>& keys) {
  std::vector<INPUT> strokes;
  for (WORD key : keys) strokes.push_back(Stroke(key, 0, 0));
  for (auto key = keys.rbegin(); key != keys.rend(); ++key)
    strokes.push_back(Stroke(*key, 0, KEYEVENTF_KEYUP));
  return SendStrokes(window, strokes);
}

// Explorer's way: a DROPFILES block (the names' offset, the point, fNC and
// fWide), the names each ending in NUL, then a NUL, written into the
// target's memory, where a fixed block is its own handle.
bool DropFiles(HWND window, POINT clientPoint, const std::vector<std::wstring>& paths) {
  const LONG header[] = {5 * sizeof(LONG), clientPoint.x, clientPoint.y, FALSE, TRUE};
  std::wstring block(reinterpret_cast<const wchar_t*>(header), sizeof header / (sizeof(wchar_t)));
  for (const std::wstring& path : paths) block += path + L'\0';
  const SIZE_T bytes = (block.size() + 1) * sizeof(wchar_t);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  const bool written = WriteProcessMemory(process, remote, block.c_str(), bytes, nullptr);
  CloseHandle(process);
  return written && PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

void PostTimerTick(HWND window, UINT_PTR timerId) {
  // lParam 0: a non-zero one is taken for a TIMERPROC.
  PostMessageA(window, WM_TIMER, timerId, 0);
}

}  // namespace e2e
