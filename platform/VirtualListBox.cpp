#include "platform/VirtualListBox.h"

#include <cwchar>

#include "platform/WideText.h"

void TVirtualListBox::AnswerTexts(const TWindow& owner, RowText rowText) {
  owner_ = &owner;
  rowText_ = rowText;
  SetWindowLongPtrW(GetHandle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(GetHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
  // The system carries a row's whole text to another process only for a
  // list whose style says it has strings; without the style, just the
  // size of an item's data. The list itself took its style when it was
  // made, and stays without strings.
  SetWindowLongPtrW(GetHandle(), GWL_STYLE,
                    GetWindowLongPtrW(GetHandle(), GWL_STYLE) | LBS_HASSTRINGS);
}

// The length and the text in UTF-16 units, as a list of strings gives them.
LRESULT CALLBACK TVirtualListBox::Procedure(HWND list, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto& self = *reinterpret_cast<TVirtualListBox*>(GetWindowLongPtrW(list, GWLP_USERDATA));
  if (message == LB_GETTEXT || message == LB_GETTEXTLEN) {
    const char* row = self.rowText_(*self.owner_, static_cast<int>(wParam));
    if (!row) return LB_ERR;
    WideText text(row);
    if (message == LB_GETTEXT)
      std::wmemcpy(reinterpret_cast<wchar_t*>(lParam), text, text.Length() + 1);
    return text.Length();
  }
  return CallWindowProcW(self.listProcedure_, list, message, wParam, lParam);
}
