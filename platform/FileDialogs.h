#pragma once
#include <windows.h>

#include "platform/WideText.h"
#include "scheme/NameList.h"

// The system's own Open dialog and folder picker, the common item dialogs of
// Windows Vista and later, with the box to type a name or path in. Paths
// are UTF-8.

// Unavailable: the dialog could not be shown (no COM, a Windows before
// Vista).
enum class Chosen { Some, Cancelled, Unavailable };

// One file or several, in the order chosen, of one type ("Sounds",
// "*.wav"), starting in the folder where it is given and there.
Chosen ChooseFiles(HWND owner, const wchar_t* title, const wchar_t* typeName,
                   const wchar_t* typePattern, const char* startFolder, NameList& paths);

Chosen ChooseFolder(HWND owner, const wchar_t* title, char (&folder)[PathBytes]);
