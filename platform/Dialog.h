#pragma once
#include "platform/Window.h"

// A modeless dialog made from a dialog template. Made as the child of a
// frame, the template's popup style, caption and frame give way to a plain
// bordered child. The window class is the framework's own gray dialog class:
// a gray face and labels on gray, with owner-drawn push buttons drawn from
// the bitmaps numbered 1000 + id (normal) and 3000 + id (pressed).
class TDialog : public TWindow {
 public:
  TDialog(TWindow* parent, int resourceId, HINSTANCE module);
  ~TDialog() override;

  void Create();
  bool PreProcessMessage(MSG& message) { return IsDialogMessageW(GetHandle(), &message) != FALSE; }
  // Gives the control the keyboard focus as Tab would, default button and all.
  void FocusControl(HWND control) {
    SendMessageW(GetHandle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  }

  // The record whose fields the transfer-enabled controls take, in the
  // order they were created, when the dialog is set up.
  void SetTransferBuffer(const void* buffer) { transferBuffer_ = buffer; }

 protected:
  static const TResponse ResponseRows[];
  static const TResponseTable ResponseTable;
  const TResponseTable& Responses() const override { return ResponseTable; }

  // Runs once the dialog's controls exist, before it is shown.
  virtual void SetupWindow();
  // Runs while the dialog's window is being destroyed, if it was set up.
  virtual void CleanupWindow() {}

  void EvDrawItem(UINT controlId, DRAWITEMSTRUCT& draw);
  HBRUSH EvCtlColor(HDC dc, HWND control, UINT controlType);

  LRESULT ReceiveMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DefDlgProcW(GetHandle(), message, wParam, lParam);
  }

  HINSTANCE module_;

 private:
  int resourceId_;
  const void* transferBuffer_ = nullptr;
  bool setUp_ = false;
};
