#include "Driver.h"

namespace e2e {

namespace {

// Only a visible window is ever sent WM_PAINT.
BOOL CALLBACK FindUnpainted(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE))
    *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

BOOL CALLBACK FindUnpaintedInTree(HWND top, LPARAM found) {
  FindUnpainted(top, found);
  EnumChildWindows(top, FindUnpainted, found);
  return TRUE;
}

bool NeedsPainting(DWORD threadId) {
  bool found = false;
  EnumThreadWindows(threadId, FindUnpaintedInTree, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(10);
  }
}

// A message sent to the thread overtakes those posted before it, so its
// answer proves nothing about posted input, and Wine's WaitForInputIdle
// returns at once. A paint request, though, is served only when no sent or
// posted message waits: once the window invalidated here and every other
// window of the thread are painted, all that came before has been handled.
bool Settle(HWND window, DWORD timeoutMs) {
  if (!IsWindowVisible(window)) return false;
  const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
  return WaitUntil([&] { return !NeedsPainting(threadId); }, timeoutMs);
}

}  // namespace e2e
