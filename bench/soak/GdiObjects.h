#pragma once
#include <windows.h>

// The GDI objects the process holds, stock objects aside, or -1 when they
// cannot be counted. The handle needs PROCESS_QUERY_INFORMATION and
// PROCESS_VM_READ.
long CountGdiObjects(HANDLE process);

// Whether the count is real here: 100 brushes made by this process must
// raise its own count, taken from outside as for any other, by exactly 100.
bool GdiCountingWorks();
