#pragma once
#include "platform/WideText.h"

// Where copies are kept: Chimelo\Sounds in the user's local application
// data folder, made when missing.
bool UserSoundsFolder(char (&folder)[PathBytes]);

// The file just made, put into the directory under the name: a file there
// of that name with the same bytes is taken instead, and one with others
// is never replaced, the first free of "name (2).ext", "name (3).ext" and so
// on being taken. False, with the made file gone, when it cannot be kept.
bool KeepAs(const char* made, const char* name, const char* directory, char (&kept)[PathBytes]);
