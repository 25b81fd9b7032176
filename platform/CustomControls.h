#pragma once
#include <windows.h>

// The optional custom-control library BWCC32.DLL and its message box. It is
// loaded from the system directory alone, and
// counts as on only when it exports its message box: without it the
// program's message boxes are the system's own. Its message box knows only
// ANSI text: it is given Chimelo's messages, which are ASCII.
namespace CustomControls {

bool TurnOn(HINSTANCE instance, WORD language);
void TurnOff();
bool IsOn();
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);

}  // namespace CustomControls
