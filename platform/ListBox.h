#pragma once
#include "platform/Control.h"

// A list box's record in a dialog's transfer buffer.
struct TListBoxData {
  const char* const* Strings = nullptr;  // the entries it starts with
  int Count = 0;
  int SelIndex = -1;
};

// A list box: each method sends one LB_ message. Its texts are UTF-8.
class TListBox : public TControl {
 public:
  using TControl::TControl;

  int AddString(const char* text) const {
    return static_cast<int>(SendText(LB_ADDSTRING, 0, text));
  }
  void SetItemData(int index, LPARAM data) const {
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
  }
  void ClearList() const { Send(LB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  int GetSelIndex() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  void SetSelIndex(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
  void SetTopIndex(int index) const { Send(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
  LPARAM GetItemData(int index) const { return Send(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
  // WM_SETREDRAW: while off, changes are not shown; on again, they are.
  void SetRedraw(bool on) const { Send(WM_SETREDRAW, on); }

  // Copies the entry's text into a buffer of the given size; false, with the
  // buffer left empty, when there is no such entry or the text does not fit.
  bool GetString(char* buffer, int size, int index) const {
    return EntryText(LB_GETTEXTLEN, LB_GETTEXT, index, buffer, size);
  }

  std::size_t Transfer(const void* record) override;
};
