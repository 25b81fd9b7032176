#pragma once
#include <windows.h>

// Draws an owner-drawn push button as a bitmap button: the bitmap numbered
// 1000 + id, or 3000 + id while pressed, centred on gray, with a dotted mark
// inside while it has the focus.
void DrawBitmapButton(HINSTANCE module, const DRAWITEMSTRUCT& draw);
