#pragma once
#include <windows.h>

#include "scheme/NameList.h"

// Files dropped from Explorer on a window that accepts them: the window has
// WS_EX_ACCEPTFILES and receives WM_DROPFILES with the drop's handle.

// As DragAcceptFiles does, without loading shell32 at start-up.
void AcceptDroppedFiles(HWND window);

// The dropped paths in UTF-8, and where they fell, in the client
// coordinates of the window that accepts them. Ends the drop.
POINT TakeDroppedFiles(HDROP drop, NameList& paths);
