#pragma once

// The user's own folders, as the shell reports them.

// SHGetFolderPathA(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE): the user's
// local application data folder, made when missing.
constexpr unsigned FolderPathSize = 260;
bool LocalAppDataFolder(char (&path)[FolderPathSize]);
