#pragma once
#include "platform/Control.h"

// A combo box's record in a dialog's transfer buffer.
struct TComboBoxData {
  const char* const* Strings = nullptr;  // the entries it starts with
  int Count = 0;
  int SelIndex = -1;
};

// A combo box: each method sends one CB_ message.
class TComboBox : public TControl {
 public:
  using TControl::TControl;

  int AddString(const char* text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  void ClearList() const { Send(CB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int GetSelIndex() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void SetSelIndex(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  // Adds the drives that have a root, as "[-c-]" and so on.
  void FillDriveList() const;
  // Selects the first entry, searching the whole list, that begins with the
  // text, ignoring case.
  int SetSelString(const char* prefix) const {
    return static_cast<int>(
        Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix)));
  }
  // The selected entry's text, cut to size - 1 characters.
  int GetText(char* buffer, int size) const { return GetWindowTextA(GetHandle(), buffer, size); }

  std::size_t Transfer(const void* record) override;
};
