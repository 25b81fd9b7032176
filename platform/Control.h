#pragma once
#include <windows.h>

#include <cstddef>

class TWindow;

// A wrapper of one control of a dialog template, bound to it by id once the
// dialog exists. The parent owns it.
class TControl {
 public:
  TControl(TWindow* parent, int id);
  virtual ~TControl() = default;

  int Id() const { return id_; }
  HWND GetHandle() const { return handle_; }
  void Bind(HWND dialog) { handle_ = GetDlgItem(dialog, id_); }

  void Enable(bool enable) const { EnableWindow(handle_, enable); }

  // Owner-drawn controls draw themselves here; others draw nothing.
  virtual void DrawItem(DRAWITEMSTRUCT&) {}

  // Pushes the control's record of a transfer buffer into the control and
  // returns the record's size; 0 for controls that take no part.
  virtual std::size_t Transfer(const void*) { return 0; }

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(handle_, message, wParam, lParam);
  }
  // The same with a text, given in UTF-8, as the lParam.
  LRESULT SendText(UINT message, WPARAM wParam, const char* text) const;
  // An entry's text, asked for with a pair such as LB_GETTEXTLEN and
  // LB_GETTEXT, into a buffer of the given size; false, with the buffer
  // left empty, when there is no such entry or the text does not fit.
  bool EntryText(UINT lengthMessage, UINT textMessage, int index, char* buffer, int size) const;

 private:
  int id_;
  HWND handle_ = nullptr;
};
