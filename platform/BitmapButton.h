#pragma once
#include <windows.h>

// Bitmap buttons: owner-drawn push buttons that show the bitmap numbered
// 1000 + id, or 3000 + id while pressed, centred on gray, with a dotted mark
// inside while they have the focus. Each bitmap is drawn for 100 % display
// scale and again for 125, 150 and 200 %, under ids 10000, 20000 and 30000
// higher; a button shows the one drawn for the display's scale, or for the
// largest scale below it, never a picture stretched.

void DrawBitmapButton(HINSTANCE module, const DRAWITEMSTRUCT& draw);

// Grows the button about its centre until its bitmap fits whole; it never
// shrinks. The dialog's font, which sizes the button, does not grow with
// the display's scale exactly as the pictures do.
void FitBitmapButton(HINSTANCE module, HWND button);
