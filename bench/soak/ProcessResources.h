#pragma once
#include <windows.h>

// What a process holds at one moment, seen from outside.
struct ProcessResources {
  long gdiObjects = -1;  // -1: they could not be counted
  long windows = 0;
  long handles = 0;
  SIZE_T privateBytes = 0;
  SIZE_T workingSet = 0;
};

// The process handle needs PROCESS_QUERY_INFORMATION, PROCESS_VM_READ and
// PROCESS_DUP_HANDLE.
ProcessResources MeasureResources(HANDLE process, DWORD processId);

// Its windows: top-level, message-only and every child of them.
long CountWindows(DWORD processId);

// Its open kernel handles, found by trying to duplicate each handle value.
long CountHandles(HANDLE process);
