// The events list and the associated-sounds list paint their own rows: an
// event as its icon alone, a sound as the sound icon and its path. Icons are
// loaded for every paint and destroyed again.
#include <cstring>

#include "dialog/ChimeloDialog.h"
#include "platform/Gdi.h"
#include "resources/ResourceIds.h"

namespace {

const int ListItemHeight = 32;  // one icon high

// From the row's left edge to the list's right edge, one row high.
RECT RowFrame(HWND dialog, UINT controlId, const DRAWITEMSTRUCT& draw) {
  RECT client;
  GetClientRect(GetDlgItem(dialog, static_cast<int>(controlId)), &client);
  return {draw.rcItem.left, draw.rcItem.top, client.right, draw.rcItem.top + ListItemHeight};
}

}  // namespace

void TChimeloDialog::EvDrawItem(UINT controlId, DRAWITEMSTRUCT& draw) {
  TDialog::EvDrawItem(controlId, draw);
  if (controlId == IDC_EVENT_LIST)
    DrawEventItem(controlId, draw);
  else if (controlId == IDC_ASSOCIATED_LIST)
    DrawSoundItem(controlId, draw);
}

void TChimeloDialog::EvMeasureItem(UINT, MEASUREITEMSTRUCT& measure) {
  DefaultProcessing();
  measure.itemHeight = ListItemHeight;
}

HBRUSH TChimeloDialog::EvCtlColor(HDC dc, HWND control, UINT controlType) {
  HBRUSH inherited = TDialog::EvCtlColor(dc, control, controlType);
  return controlType == CTLCOLOR_LISTBOX ? StockBrush(WHITE_BRUSH) : inherited;
}

// A selected event shows only the dotted frame around its row, never a
// highlight colour.
void TChimeloDialog::DrawEventItem(UINT controlId, DRAWITEMSTRUCT& draw) {
  RECT frame = RowFrame(GetHandle(), controlId, draw);
  HBRUSH brush = StockBrush(WHITE_BRUSH);
  HDC dc = draw.hDC;
  if (draw.itemAction & ODA_FOCUS) {
    DrawFocusRect(dc, &frame);  // inverting: the next focus change takes it off again
    return;
  }
  if (!(draw.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  TSelection selected(dc, brush);
  FillRect(dc, &draw.rcItem, brush);
  TIcon icon(module_, static_cast<int>(draw.itemData));
  DrawIcon(dc, draw.rcItem.left, draw.rcItem.top, icon);
  if (draw.itemState & ODS_SELECTED) DrawFocusRect(dc, &frame);
}

// A selected sound turns gray only while its list does not have the focus;
// with the focus it stays white, framed around the path.
void TChimeloDialog::DrawSoundItem(UINT controlId, DRAWITEMSTRUCT& draw) {
  RECT frame = RowFrame(GetHandle(), controlId, draw);
  HBRUSH brush = StockBrush(draw.itemState == ODS_SELECTED ? GRAY_BRUSH : WHITE_BRUSH);
  HDC dc = draw.hDC;
  if (draw.itemAction & ODA_FOCUS) {
    DrawFocusRect(dc, &frame);
    return;
  }
  if (!(draw.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  TSelection selected(dc, brush);
  FillRect(dc, &draw.rcItem, brush);
  TIcon icon(module_, IDI_SOUND);
  DrawIcon(dc, draw.rcItem.left, draw.rcItem.top, icon);
  frame.left += ListItemHeight;
  // Format 0: clipped to the row, and an "&" underlines the next character.
  const char* path = reinterpret_cast<const char*>(draw.itemData);
  DrawTextA(dc, path, static_cast<int>(std::strlen(path)), &frame, 0);
  if (draw.itemState & ODS_SELECTED) DrawFocusRect(dc, &frame);
}
