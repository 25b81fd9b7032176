// The events list and the associated-sounds list paint their own rows: an
// event as its icon alone, a sound as the sound icon and its path, both
// grayed where the file was missing. The WAV list's rows are Chimelo's
// own, drawn as a list of strings draws them. The colours are the system's,
// so a high-contrast scheme is followed; with the standard colours the rows
// are white, and a selected sound without the focus gray, as an inactive
// caption is.
#include "dialog/ChimeloDialog.h"
#include "platform/DisplayScale.h"
#include "platform/Gdi.h"
#include "platform/WideText.h"
#include "resources/ResourceIds.h"

namespace {

// One icon high.
int ListItemHeight() { return Scaled(32); }

// One line of the dialog's font, as a list of strings has.
int TextHeight(HWND dialog) {
  HDC dc = GetDC(dialog);
  TEXTMETRICW metrics = {};
  {
    TSelection font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
  }
  ReleaseDC(dialog, dc);
  return metrics.tmHeight;
}

// From the row's left edge to the list's right edge, one row high.
RECT RowFrame(HWND dialog, UINT controlId, const DRAWITEMSTRUCT& draw) {
  RECT client;
  GetClientRect(GetDlgItem(dialog, static_cast<int>(controlId)), &client);
  return {draw.rcItem.left, draw.rcItem.top, client.right, draw.rcItem.top + ListItemHeight()};
}

// The keyboard's place: a frame that inverts, so that the next focus change
// takes it off again. It lies inside the selection's frame: where both mark
// one row, both show.
void DrawFocusFrame(HDC dc, RECT frame) {
  InflateRect(&frame, -Scaled(2), -Scaled(2));
  DrawFocusRect(dc, &frame);
}

// The selection: the dotted frame of DrawFocusRect, drawn in the window-text
// colour instead of inverting.
void DrawSelectionFrame(HDC dc, const RECT& frame) {
  LOGBRUSH colour = {BS_SOLID, GetSysColor(COLOR_WINDOWTEXT), 0};
  TPen dots(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &colour, 0, nullptr));
  TSelection pen(dc, dots), hollow(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
}

bool Selected(const DRAWITEMSTRUCT& draw) { return draw.itemState & ODS_SELECTED; }
bool Focused(const DRAWITEMSTRUCT& draw) { return draw.itemState & ODS_FOCUS; }

}  // namespace

void TChimeloDialog::EvDrawItem(UINT controlId, DRAWITEMSTRUCT& draw) {
  TDialog::EvDrawItem(controlId, draw);
  if (controlId == IDC_EVENT_LIST)
    DrawEventItem(controlId, draw);
  else if (controlId == IDC_ASSOCIATED_LIST)
    DrawSoundItem(controlId, draw);
  else if (controlId == IDC_WAV_LIST)
    DrawWavItem(draw);
}

void TChimeloDialog::EvMeasureItem(UINT controlId, MEASUREITEMSTRUCT& measure) {
  DefaultProcessing();
  measure.itemHeight = controlId == IDC_WAV_LIST ? TextHeight(GetHandle()) : ListItemHeight();
}

HBRUSH TChimeloDialog::EvCtlColor(HDC dc, HWND control, UINT controlType) {
  HBRUSH inherited = TDialog::EvCtlColor(dc, control, controlType);
  return controlType == CTLCOLOR_LISTBOX ? GetSysColorBrush(COLOR_WINDOW) : inherited;
}

// A selected event shows only the dotted frame around its row, never a
// highlight colour.
void TChimeloDialog::DrawEventItem(UINT controlId, DRAWITEMSTRUCT& draw) {
  RECT frame = RowFrame(GetHandle(), controlId, draw);
  HDC dc = draw.hDC;
  if (draw.itemAction & ODA_FOCUS) {
    DrawFocusFrame(dc, frame);
    return;
  }
  if (!(draw.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  FillRect(dc, &draw.rcItem, GetSysColorBrush(COLOR_WINDOW));
  const int size = ListItemHeight();
  DrawIconEx(dc, draw.rcItem.left, draw.rcItem.top, RowIcon(static_cast<int>(draw.itemData)), size,
             size, 0, nullptr, DI_NORMAL);
  if (Selected(draw)) DrawSelectionFrame(dc, frame);
  if (Focused(draw)) DrawFocusFrame(dc, frame);
}

// A selected sound takes the inactive caption's colour only while its list
// does not have the focus; with the focus it stays white, framed around the
// path.
void TChimeloDialog::DrawSoundItem(UINT controlId, DRAWITEMSTRUCT& draw) {
  RECT frame = RowFrame(GetHandle(), controlId, draw);
  HDC dc = draw.hDC;
  if (draw.itemAction & ODA_FOCUS) {
    DrawFocusFrame(dc, frame);
    return;
  }
  if (!(draw.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  const bool inactive = Selected(draw) && !Focused(draw);
  FillRect(dc, &draw.rcItem, GetSysColorBrush(inactive ? COLOR_INACTIVECAPTION : COLOR_WINDOW));
  const int size = ListItemHeight();
  const bool missing = draw.itemID < MaxSoundsPerEvent && SoundMissing[draw.itemID];
  const HICON icon = RowIcon(IDI_SOUND);
  if (missing)
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, draw.rcItem.left,
               draw.rcItem.top, size, size, DST_ICON | DSS_DISABLED);
  else
    DrawIconEx(dc, draw.rcItem.left, draw.rcItem.top, icon, size, size, 0, nullptr, DI_NORMAL);
  RECT text = frame;
  text.left += size;
  // Format 0: clipped to the row, and an "&" underlines the next character.
  SetTextColor(dc, GetSysColor(missing ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  DrawTextW(dc, WideText(reinterpret_cast<const char*>(draw.itemData)), -1, &text, 0);
  if (Selected(draw)) DrawSelectionFrame(dc, text);
  if (Focused(draw)) DrawFocusFrame(dc, frame);
}

// The selected row in the highlight colours; gray text while the list is
// disabled.
void TChimeloDialog::DrawWavItem(DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  if (draw.itemAction == ODA_FOCUS) {
    DrawFocusRect(dc, &draw.rcItem);
    return;
  }
  const bool selected = Selected(draw);
  FillRect(dc, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int colour = draw.itemState & ODS_DISABLED ? COLOR_GRAYTEXT
                     : selected                    ? COLOR_HIGHLIGHTTEXT
                                                   : COLOR_WINDOWTEXT;
  SetTextColor(dc, GetSysColor(colour));
  SetBkMode(dc, TRANSPARENT);
  RECT text = draw.rcItem;
  text.left += Scaled(2);
  if (const char* path = Listed.Shown(static_cast<int>(draw.itemID)))
    DrawTextW(dc, WideText(path), -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  if (Focused(draw)) DrawFocusRect(dc, &draw.rcItem);
}

// Loaded at the first paint that shows it, at the rows' size, and kept.
const TIcon& TChimeloDialog::RowIcon(int id) {
  std::unique_ptr<TIcon>& icon = RowIcons[id == IDI_SOUND ? 0 : id];
  if (!icon) icon = std::make_unique<TIcon>(module_, id, ListItemHeight());
  return *icon;
}
