#include "app/OnlyChimelo.h"

#include <windows.h>

#include "platform/Frame.h"
#include "platform/WideText.h"

namespace {

// Local\: per session, so another user's Chimelo is no obstacle.
const wchar_t MutexName[] = L"Local\\Chimelo";
// A closing Chimelo has saved before its frame goes, and under Wine may take
// about 4 s more to end.
constexpr DWORD WaitForEndMs = 10000;
constexpr DWORD PollMs = 100;

// The running one's frame once it shows: a frame still hidden belongs to a
// start-up that is not over yet.
HWND ShownFrame(const char* caption) {
  HWND frame = FindWindowW(TDecoratedFrame::ClassName, WideText(caption));
  return frame && IsWindowVisible(frame) ? frame : nullptr;
}

}  // namespace

bool StartAsTheOnlyChimelo(const char* frameCaption) {
  // Owned until this process ends, when Windows releases it, even after a
  // crash; the handle is never closed.
  HANDLE mutex = CreateMutexW(nullptr, TRUE, MutexName);
  if (!mutex || GetLastError() != ERROR_ALREADY_EXISTS) return true;
  for (DWORD waited = 0; waited < WaitForEndMs; waited += PollMs) {
    if (HWND frame = ShownFrame(frameCaption)) {
      if (IsIconic(frame)) ShowWindow(frame, SW_RESTORE);
      SetForegroundWindow(frame);
      return false;
    }
    // No frame: the other one is on its way out, or not yet shown.
    DWORD result = WaitForSingleObject(mutex, PollMs);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) return true;
  }
  // Its frame is gone, and with it its save: it only has yet to end.
  return true;
}
