#pragma once
#include "platform/WideText.h"

// The user's own folders, as the shell reports them, in UTF-8.

// SHGetFolderPathW(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE): the user's
// local application data folder, made when missing.
constexpr int FolderPathSize = PathBytes;
bool LocalAppDataFolder(char (&path)[FolderPathSize]);
