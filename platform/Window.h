#pragma once
#include <windows.h>

#include "platform/Control.h"
#include "platform/ResponseTable.h"

// A window object bound to one screen window. Messages reach it through one
// trampoline per window class, which looks them up in the response tables
// from the most derived class up; a message that no table lists gets the
// window class's default processing.
class TWindow {
 public:
  explicit TWindow(TWindow* parent) : parent_(parent) {}
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND GetHandle() const { return handle_; }
  TWindow* Parent() const { return parent_; }
  void SetParent(TWindow* parent) { parent_ = parent; }

  // The window's close request: the window is destroyed if it can close.
  virtual void ConfirmClose(int code);
  // Whether the window may close now; it may ask the user first.
  virtual bool CanClose() { return true; }
  void Destroy() {
    if (handle_) DestroyWindow(handle_);
  }

  // Shows a modal message box owned by this window; returns the button.
  // The texts are UTF-8.
  int MessageBox(const char* text, const char* caption, UINT type);

  // The platform's own processing of the message being handled.
  LRESULT DefaultProcessing();

  // Takes ownership of a control wrapper, bound to its control by id when
  // the window has been created.
  void AddChild(TControl* control);

 protected:
  static const TResponseTable ResponseTable;
  virtual const TResponseTable& Responses() const { return ResponseTable; }

  virtual LRESULT ReceiveMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefaultWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
  }

  // The window procedure of every window class the framework registers. The
  // next window created in this thread is bound to the object named here.
  static LRESULT CALLBACK Trampoline(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  void BindNextCreatedWindow() { creating_ = this; }
  static void RegisterWindowClass(const wchar_t* name, int extraBytes, HBRUSH background);

  // The control wrappers it owns, in the order they were added.
  static constexpr int MaxChildren = 16;
  TControl* children_[MaxChildren] = {};
  int childCount_ = 0;

 private:
  const TResponse* Find(UINT message, WPARAM wParam) const;

  struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };

  TWindow* parent_;
  HWND handle_ = nullptr;
  Message current_ = {};
  static TWindow* creating_;
};
