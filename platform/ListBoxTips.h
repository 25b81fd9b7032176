#pragma once
#include "platform/ListBox.h"

class TWindow;

// A tooltip (comctl32's tooltips_class32) over a list box that names the
// row under the pointer: the text of a row, in UTF-8, comes from the list's
// owner, and changes as the pointer moves from row to row; an empty text
// shows no tooltip. It lives as long as the
// list box. Made at the latest when the pointer first comes near the list:
// a second Create does nothing.
class TListBoxTips {
 public:
  using RowText = const char* (*)(const TWindow& owner, int row);

  void Create(const TListBox& list, const TWindow& owner, RowText rowText);

 private:
  static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self);
  void ShowRow(int row);

  HWND tip_ = nullptr, list_ = nullptr;
  const TWindow* owner_ = nullptr;
  RowText rowText_ = nullptr;
  int row_ = -1;
};
