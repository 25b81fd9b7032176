#pragma once
#include "platform/ListBox.h"

class TWindow;

// A list box that holds no rows of its own (LBS_NODATA, owner-drawn): its
// owner keeps them, draws them and sets how many there are, so a list of
// any length changes at once. It answers LB_GETTEXT and LB_GETTEXTLEN from
// the owner's rows as a list of strings does, for screen readers and other
// programs that read it.
class TVirtualListBox : public TListBox {
 public:
  using RowText = const char* (*)(const TWindow& owner, int row);
  using TListBox::TListBox;

  // Once the list exists; for as long as it lives.
  void AnswerTexts(const TWindow& owner, RowText rowText);
  void SetCount(int count) const { Send(LB_SETCOUNT, static_cast<WPARAM>(count)); }

 private:
  static LRESULT CALLBACK Procedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC listProcedure_ = nullptr;
  const TWindow* owner_ = nullptr;
  RowText rowText_ = nullptr;
};
