#include "Driver.h"

#include <cstdio>

namespace e2e {

namespace {

BITMAPINFOHEADER Header(int width, int height) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // positive: bottom row first
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  return header;
}

}  // namespace

// Copied from the screen, not printed by the window, so that whatever covers
// or is drawn over the window shows as the user would see it.
Screenshot::Screenshot(HWND window) {
  const RECT rect = WindowRect(window);
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  width_ = rect.right - rect.left;
  height_ = rect.bottom - rect.top;
  BITMAPINFO info = {};
  info.bmiHeader = Header(width_, height_);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  if (HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0)) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const BYTE* first = static_cast<const BYTE*>(bits);
    rows_.assign(first, first + Stride() * height_);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  } else {
    width_ = height_ = 0;
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

COLORREF Screenshot::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const BYTE* bgr = &rows_[(height_ - 1 - y) * Stride() + x * 3];
  return RGB(bgr[2], bgr[1], bgr[0]);
}

bool Screenshot::SaveBmp(const std::string& path) const {
  const BITMAPINFOHEADER header = Header(width_, height_);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(rows_.size());
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                       std::fwrite(&header, sizeof header, 1, out) == 1 &&
                       std::fwrite(rows_.data(), 1, rows_.size(), out) == rows_.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace e2e
