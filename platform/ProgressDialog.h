#pragma once
#include <windows.h>

struct IProgressDialog;

// The system's progress dialog, the one Explorer shows while it copies:
// modeless, on a thread of its own, with its own Cancel button. Gone with
// this object.
class TProgressDialog {
 public:
  TProgressDialog() = default;
  ~TProgressDialog() { Stop(); }
  TProgressDialog(const TProgressDialog&) = delete;
  TProgressDialog& operator=(const TProgressDialog&) = delete;

  // False when the system has none to show.
  bool Start(HWND owner, const wchar_t* title);
  bool Started() const { return dialog_ != nullptr; }
  // `done` of `total`, the line below naming what is being done.
  void Show(unsigned done, unsigned total, const char* line) const;
  bool Cancelled() const;
  void Stop();

 private:
  IProgressDialog* dialog_ = nullptr;
};
