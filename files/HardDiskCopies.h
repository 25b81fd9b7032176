#pragma once
#include "platform/WideText.h"

// Where copies are kept: Chimelo\Sounds in the user's local application
// data folder, made when missing, which the parts of Windows that run as
// app packages may read.
bool UserSoundsFolder(char (&folder)[PathBytes]);

// How keeping a copy ended.
enum class Kept { Yes, NoFreeName, PathTooLong, NotWritten };

// The file just made, put into the directory under the name: a file there
// of that name with the same bytes is taken instead, and one with others
// is never replaced, the first free of "name (2).ext", "name (3).ext" and so
// on being taken. A path Windows could not open by name (past MAX_PATH - 1
// units) is never taken. Unless kept, the made file is gone.
Kept KeepAs(const char* made, const char* name, const char* directory, char (&kept)[PathBytes]);
