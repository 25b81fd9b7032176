#pragma once
#include <windows.h>

#include <objbase.h>

// ole32, loaded when the shell's objects are first needed (the common
// dialogs, the progress dialog), not with the program: it brings much of
// the shell with it. COM is started on the window's thread, a
// single-threaded apartment, as those objects need. Null when COM cannot be
// had; tried once.
struct ComEntries {
  decltype(&CoCreateInstance) create;
  decltype(&CoTaskMemFree) free;
};
const ComEntries* WindowThreadCom();
