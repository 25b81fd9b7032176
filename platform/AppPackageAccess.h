#pragma once
#include <windows.h>

// Since Windows 10, parts of Windows that run as app packages play some of
// the system sounds. They read a file only where ALL APPLICATION PACKAGES
// (S-1-15-2-1) may: Windows' own Media folder grants that, the user's
// profile does not.

// The DACL with read and execute for ALL APPLICATION PACKAGES added to it,
// inherited by files and folders below; the rest as it was. Made with
// LocalAlloc; null when it cannot be made.
PACL WithAppPackagesReading(PACL dacl);

// Grants the folder that right, which its files, old and new, inherit.
bool LetAppPackagesRead(const char* folder);
