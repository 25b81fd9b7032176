#pragma once
#include <windows.h>

// Libraries come from the system folder alone, never from the program's own
// folder or the current one, where anybody may have saved a file of a
// system library's name (a Downloads folder).

// LoadLibraryExW with LOAD_LIBRARY_SEARCH_SYSTEM32; where Windows lacks that
// flag (Windows 7 without update KB2533623), by its full path in the system
// folder.
HMODULE LoadSystemLibrary(const wchar_t* name);

// What the system loads on the program's behalf comes from the system folder
// too: SetDefaultDllDirectories, where Windows has it.
void LoadLibrariesFromTheSystemFolderOnly();

// The library's function of that name, typed; null when it is missing.
template <class Entry>
Entry LibraryEntry(HMODULE library, const char* name) {
  return library ? reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                 : nullptr;
}
