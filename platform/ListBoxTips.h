#pragma once
#include "platform/ListBox.h"

// A tooltip (comctl32's tooltips_class32) over a list box that names the
// row under the pointer: the text of a row, in UTF-8, comes from its item data, and
// changes as the pointer moves from row to row. It lives as long as the
// list box. Made at the latest when the pointer first comes near the list:
// a second Create does nothing.
class TListBoxTips {
 public:
  using RowText = const char* (*)(LPARAM itemData);

  void Create(const TListBox& list, RowText rowText);

 private:
  static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self);
  void ShowRow(int row);

  HWND tip_ = nullptr, list_ = nullptr;
  RowText rowText_ = nullptr;
  int row_ = -1;
};
