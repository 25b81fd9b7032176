#pragma once
#include "platform/Control.h"

// A combo box's record in a dialog's transfer buffer.
struct TComboBoxData {
  const char* const* Strings = nullptr;  // the entries it starts with
  int Count = 0;
  int SelIndex = -1;
};

// A combo box: each method sends one CB_ message. Its texts are UTF-8.
class TComboBox : public TControl {
 public:
  using TControl::TControl;

  int AddString(const char* text) const {
    return static_cast<int>(SendText(CB_ADDSTRING, 0, text));
  }
  // At the index, or at the end for -1, whatever the sort order.
  int InsertString(const char* text, int index) const {
    return static_cast<int>(SendText(CB_INSERTSTRING, static_cast<WPARAM>(index), text));
  }
  void DeleteString(int index) const { Send(CB_DELETESTRING, static_cast<WPARAM>(index)); }
  void ClearList() const { Send(CB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int GetSelIndex() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void SetSelIndex(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  // Adds the drives that have a root, as "[-c-]" and so on.
  void FillDriveList() const;
  // Selects the first entry, searching the whole list, that begins with the
  // text, ignoring case.
  int SetSelString(const char* prefix) const {
    return static_cast<int>(SendText(CB_SELECTSTRING, static_cast<WPARAM>(-1), prefix));
  }
  // The entry's text, as TListBox::GetString gives it.
  bool GetString(char* buffer, int size, int index) const {
    return EntryText(CB_GETLBTEXTLEN, CB_GETLBTEXT, index, buffer, size);
  }
  // The selected entry's text; empty when it does not fit the buffer.
  bool GetText(char* buffer, int size) const;

  std::size_t Transfer(const void* record) override;
};
