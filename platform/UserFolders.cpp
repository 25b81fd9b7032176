#include "platform/UserFolders.h"

#include <windows.h>

#include <shlobj.h>

#include "platform/SystemLibrary.h"

namespace {
// shell32 is loaded at the first copy, not with the program: it brings much
// of the shell with it, which a start-up need not wait for.
decltype(&SHGetFolderPathW) getFolderPath;
}  // namespace

bool LocalAppDataFolder(char (&path)[FolderPathSize]) {
  if (!getFolderPath)
    getFolderPath = LibraryEntry<decltype(getFolderPath)>(LoadSystemLibrary(L"shell32.dll"),
                                                          "SHGetFolderPathW");
  wchar_t wide[MAX_PATH];  // what SHGetFolderPathW writes at the most
  return getFolderPath &&
         getFolderPath(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, wide) ==
             S_OK &&
         ToUtf8(wide, path, FolderPathSize);
}
