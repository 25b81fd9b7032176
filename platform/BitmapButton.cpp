#include "platform/BitmapButton.h"

#include <algorithm>

#include "platform/DisplayScale.h"
#include "resources/DisplayScales.h"

namespace {

// The bitmap drawn for the largest scale that is not above the display's.
HBITMAP LoadButtonBitmap(HINSTANCE module, int id) {
  int idOffset = 0;
  for (const DisplayScale& scale : DisplayScales)
    if (ScalePercent() >= scale.percent) idOffset = scale.idOffset;
  return LoadBitmapW(module, MAKEINTRESOURCEW(id + idOffset));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info;
  GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

RECT RectInDialog(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// How far the control at `area` may grow on each side before it meets
// another control, shown or hidden, or leaves the dialog's client area:
// those beside it bound its width, those above and below its height.
RECT Room(HWND control, const RECT& area) {
  HWND dialog = GetParent(control);
  RECT client;
  GetClientRect(dialog, &client);
  RECT room = {area.left, area.top, client.right - area.right, client.bottom - area.bottom};
  for (HWND other = GetWindow(dialog, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
    if (other == control) continue;
    const RECT rect = RectInDialog(other);
    if (rect.top < area.bottom && rect.bottom > area.top) {
      if (rect.right <= area.left) room.left = std::min(room.left, area.left - rect.right);
      if (rect.left >= area.right) room.right = std::min(room.right, rect.left - area.right);
    }
    if (rect.left < area.right && rect.right > area.left) {
      if (rect.bottom <= area.top) room.top = std::min(room.top, area.top - rect.bottom);
      if (rect.top >= area.bottom) room.bottom = std::min(room.bottom, rect.top - area.bottom);
    }
  }
  return room;
}

// Widens [low, high) to `size`: by half on each side where there is room,
// and by what one side has no room for on the other.
void Grow(LONG& low, LONG& high, LONG size, LONG roomLow, LONG roomHigh) {
  const LONG need = std::max<LONG>(size - (high - low), 0);
  const LONG toHigh = std::min(need - std::min(need / 2, roomLow), roomHigh);
  low -= std::min(need - toHigh, roomLow);
  high += toHigh;
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
  RECT area = RectInDialog(button);
  // Its height grows within the width it has grown to, so that it meets no
  // control that stands diagonally from it.
  RECT room = Room(button, area);
  Grow(area.left, area.right, picture.cx, room.left, room.right);
  room = Room(button, area);
  Grow(area.top, area.bottom, picture.cy, room.top, room.bottom);
  SetWindowPos(button, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}
