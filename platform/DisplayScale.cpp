#include "platform/DisplayScale.h"

#include <windows.h>

namespace {

// A program aware of the system DPI keeps the one it started with.
int SystemDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    int dotsAnInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dotsAnInch;
  }();
  return dpi;
}

}  // namespace

int Scaled(int pixels) { return MulDiv(pixels, SystemDpi(), USER_DEFAULT_SCREEN_DPI); }

int ScalePercent() { return Scaled(100); }
