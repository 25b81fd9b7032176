#include "platform/ListBoxTips.h"

#include <commctrl.h>

#include "platform/SystemLibrary.h"
#include "platform/WideText.h"

namespace {

// comctl32 is loaded when the first tooltip is made, not with the program:
// it costs about 25 ms of start-up and 1.7 MiB of memory, for a window that
// may never see a pointer.
struct {
  decltype(&InitCommonControlsEx) initialize;
  decltype(&SetWindowSubclass) subclass;
  decltype(&DefSubclassProc) defaultProcedure;
  decltype(&RemoveWindowSubclass) unsubclass;
} commonControls;

template <class Entry>
bool Lookup(HMODULE library, const char* name, Entry& entry) {
  return (entry = LibraryEntry<Entry>(library, name)) != nullptr;
}

// Tried once: the pointer's every move asks for the tooltip.
bool LoadCommonControls() {
  static const bool loaded = [] {
    HMODULE library = LoadSystemLibrary(L"comctl32.dll");
    if (!library || !Lookup(library, "SetWindowSubclass", commonControls.subclass) ||
        !Lookup(library, "DefSubclassProc", commonControls.defaultProcedure) ||
        !Lookup(library, "RemoveWindowSubclass", commonControls.unsubclass) ||
        !Lookup(library, "InitCommonControlsEx", commonControls.initialize))
      return false;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    return commonControls.initialize(&classes) != FALSE;
  }();
  return loaded;
}

TOOLINFOW ToolInfo(HWND list, const wchar_t* text) {
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;  // the tooltip sees the list's mouse messages
  tool.hwnd = GetParent(list);
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

}  // namespace

void TListBoxTips::Create(const TListBox& list, const TWindow& owner, RowText rowText) {
  if (tip_ || !LoadCommonControls()) return;
  list_ = list.GetHandle();
  owner_ = &owner;
  rowText_ = rowText;
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                         0, GetParent(list_), nullptr, nullptr, nullptr);
  TOOLINFOW tool = ToolInfo(list_, L"");
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  // Installed after the tooltip's own, this runs first: the text is set
  // before the tooltip sees the move.
  commonControls.subclass(list_, ListProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TListBoxTips::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) {
  auto& tips = *reinterpret_cast<TListBoxTips*>(self);
  if (message == WM_MOUSEMOVE) {
    LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
    tips.ShowRow(HIWORD(hit) ? -1 : LOWORD(hit));  // the high word is set outside the rows
  } else if (message == WM_NCDESTROY) {
    commonControls.unsubclass(list, ListProcedure, 0);
  }
  return commonControls.defaultProcedure(list, message, wParam, lParam);
}

// Outside the rows the text is empty, and a tooltip shows no empty text.
void TListBoxTips::ShowRow(int row) {
  if (row == row_) return;
  row_ = row;
  WideText text(row < 0 ? "" : rowText_(*owner_, row));
  TOOLINFOW tool = ToolInfo(list_, text);
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}
