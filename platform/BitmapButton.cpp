#include "platform/BitmapButton.h"

void DrawBitmapButton(HINSTANCE module, const DRAWITEMSTRUCT& draw) {
  const RECT& area = draw.rcItem;
  FillRect(draw.hDC, &area, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  int id = (draw.itemState & ODS_SELECTED ? 3000 : 1000) + static_cast<int>(draw.CtlID);
  if (HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(id))) {
    BITMAP size;
    GetObjectA(bitmap, sizeof size, &size);
    HDC memory = CreateCompatibleDC(draw.hDC);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(draw.hDC, area.left + (area.right - area.left - size.bmWidth) / 2,
           area.top + (area.bottom - area.top - size.bmHeight) / 2, size.bmWidth, size.bmHeight,
           memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
  }
  if (draw.itemState & ODS_FOCUS) {
    RECT mark = area;
    InflateRect(&mark, -4, -4);
    DrawFocusRect(draw.hDC, &mark);
  }
}
