#pragma once
#include <windows.h>

// Bitmap buttons: owner-drawn push buttons that show the bitmap numbered
// 1000 + id, or 3000 + id while pressed, centred on gray, with a dotted mark
// inside while they have the focus. Each bitmap is drawn for 100 % display
// scale and again for each scale of resources/DisplayScales.h, under that
// scale's ids; a button shows the one drawn for the display's scale, or for
// the largest scale below it, never a picture stretched.

void DrawBitmapButton(HINSTANCE module, const DRAWITEMSTRUCT& draw);

// Grows the button about its centre until its bitmap fits whole, as far as
// the other controls and the dialog's client area leave room, and towards
// the side that has room where the other has none; it never shrinks. The
// dialog's font, which sizes the button, does not grow with the display's
// scale exactly as the pictures do.
void FitBitmapButton(HINSTANCE module, HWND button);
