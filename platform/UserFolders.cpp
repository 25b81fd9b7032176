#include "platform/UserFolders.h"

#include <windows.h>

#include <shlobj.h>

namespace {
// shell32 is loaded at the first copy, not with the program: it brings much
// of the shell with it, which a start-up need not wait for.
decltype(&SHGetFolderPathA) getFolderPath;
}  // namespace

bool LocalAppDataFolder(char (&path)[FolderPathSize]) {
  static_assert(FolderPathSize == MAX_PATH, "SHGetFolderPathA writes up to MAX_PATH bytes");
  if (!getFolderPath)
    getFolderPath = reinterpret_cast<decltype(getFolderPath)>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("shell32.dll"), "SHGetFolderPathA")));
  return getFolderPath &&
         getFolderPath(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path) == S_OK;
}
