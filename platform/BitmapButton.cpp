#include "platform/BitmapButton.h"

#include <algorithm>

#include "platform/DisplayScale.h"

namespace {

struct ArtScale {
  int percent, idOffset;
};
const ArtScale ArtScales[] = {{200, 30000}, {150, 20000}, {125, 10000}};

HBITMAP LoadButtonBitmap(HINSTANCE module, int id) {
  for (const ArtScale& scale : ArtScales)
    if (ScalePercent() >= scale.percent) {
      id += scale.idOffset;
      break;
    }
  return LoadBitmapW(module, MAKEINTRESOURCEW(id));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info;
  GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

}  // namespace

void DrawBitmapButton(HINSTANCE module, const DRAWITEMSTRUCT& draw) {
  const RECT& area = draw.rcItem;
  FillRect(draw.hDC, &area, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  int id = (draw.itemState & ODS_SELECTED ? 3000 : 1000) + static_cast<int>(draw.CtlID);
  if (HBITMAP bitmap = LoadButtonBitmap(module, id)) {
    SIZE size = BitmapSize(bitmap);
    HDC memory = CreateCompatibleDC(draw.hDC);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(draw.hDC, area.left + (area.right - area.left - size.cx) / 2,
           area.top + (area.bottom - area.top - size.cy) / 2, size.cx, size.cy, memory, 0, 0,
           SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
  }
  if (draw.itemState & ODS_FOCUS) {
    RECT mark = area;
    InflateRect(&mark, -Scaled(4), -Scaled(4));
    DrawFocusRect(draw.hDC, &mark);
  }
}

void FitBitmapButton(HINSTANCE module, HWND button) {
  HBITMAP bitmap = LoadButtonBitmap(module, 1000 + GetDlgCtrlID(button));
  if (!bitmap) return;
  const SIZE picture = BitmapSize(bitmap);
  DeleteObject(bitmap);
  RECT area;
  GetWindowRect(button, &area);
  MapWindowPoints(nullptr, GetParent(button), reinterpret_cast<POINT*>(&area), 2);
  const int width = area.right - area.left, height = area.bottom - area.top;
  const int grownWidth = std::max<int>(width, picture.cx);
  const int grownHeight = std::max<int>(height, picture.cy);
  if (grownWidth == width && grownHeight == height) return;
  SetWindowPos(button, nullptr, area.left - (grownWidth - width) / 2,
               area.top - (grownHeight - height) / 2, grownWidth, grownHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}
