#include "ProcessResources.h"

#include <psapi.h>

#include "GdiObjects.h"

namespace {

struct WindowCount {
  DWORD processId;
  long count;
};

BOOL CALLBACK CountIfOwned(HWND window, LPARAM lParam) {
  auto& windows = *reinterpret_cast<WindowCount*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == windows.processId) ++windows.count;
  return TRUE;
}

// A top-level window of any process may have children of this one.
BOOL CALLBACK CountTree(HWND top, LPARAM lParam) {
  CountIfOwned(top, lParam);
  EnumChildWindows(top, CountIfOwned, lParam);
  return TRUE;
}

// Wine hands out the lowest free handle value, so the live ones lie close
// together; a run this long without one means there are no more.
constexpr ULONG_PTR HandleStep = 4;
constexpr ULONG_PTR LastHandleValue = 4 * 65536;
constexpr int MissesBeforeEnd = 1024;

}  // namespace

long CountWindows(DWORD processId) {
  WindowCount windows = {processId, 0};
  EnumWindows(CountTree, reinterpret_cast<LPARAM>(&windows));
  // Message-only windows are not top-level, so EnumWindows passes them over.
  for (HWND window = nullptr;
       (window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;)
    CountTree(window, reinterpret_cast<LPARAM>(&windows));
  return windows.count;
}

// GetProcessHandleCount reports 0 under Wine 8.
long CountHandles(HANDLE process) {
  long count = 0;
  int misses = 0;
  for (ULONG_PTR value = HandleStep; value <= LastHandleValue && misses < MissesBeforeEnd;
       value += HandleStep) {
    HANDLE duplicate = nullptr;
    if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &duplicate,
                        0, FALSE, DUPLICATE_SAME_ACCESS)) {
      CloseHandle(duplicate);
      ++count;
      misses = 0;
    } else {
      ++misses;
    }
  }
  return count;
}

// Under Wine PrivateUsage stays 0; PagefileUsage is the Linux anonymous
// resident memory plus swap, and WorkingSetSize the whole process's RSS.
ProcessResources MeasureResources(HANDLE process, DWORD processId) {
  ProcessResources resources;
  resources.gdiObjects = CountGdiObjects(process);
  resources.windows = CountWindows(processId);
  resources.handles = CountHandles(process);
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    resources.privateBytes = memory.PagefileUsage;
    resources.workingSet = memory.WorkingSetSize;
  }
  return resources;
}
