#include "platform/Window.h"

#include <exception>

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/CustomControls.h"
#include "platform/Exception.h"
#include "platform/WideText.h"

TWindow* TWindow::creating_ = nullptr;
const TResponseTable TWindow::ResponseTable(nullptr);

TWindow::~TWindow() {
  if (handle_) SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  for (int i = 0; i < childCount_; ++i) delete children_[i];
}

void TWindow::AddChild(TControl* control) {
  if (childCount_ == MaxChildren) {
    delete control;
    throw xmsg("Too many controls");
  }
  children_[childCount_++] = control;
}

void TWindow::ConfirmClose(int) {
  if (CanClose()) Destroy();
}

int TWindow::MessageBox(const char* text, const char* caption, UINT type) {
  if (CustomControls::IsOn()) return CustomControls::MessageBox(handle_, text, caption, type);
  return MessageBoxExW(handle_, WideText(text), WideText(caption), type, 0);
}

void TWindow::RegisterWindowClass(const wchar_t* name, int extraBytes, HBRUSH background) {
  WNDCLASSW windowClass = {};
  if (GetClassInfoW(Startup.instance, name, &windowClass)) return;
  windowClass.lpfnWndProc = Trampoline;
  windowClass.cbWndExtra = extraBytes;
  windowClass.hInstance = Startup.instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (!RegisterClassW(&windowClass)) throw xmsg("Window class registration failure");
}

LRESULT TWindow::DefaultProcessing() {
  return DefaultWindowProc(current_.message, current_.wParam, current_.lParam);
}

namespace {
// A command row names its notification and control, a timer row its timer.
bool Matches(const TResponse& row, UINT message, WPARAM wParam) {
  if (row.message != message) return false;
  if (message == WM_COMMAND)
    return row.code == HIWORD(wParam) && row.id == static_cast<int>(LOWORD(wParam));
  if (message == WM_TIMER) return row.id == static_cast<int>(wParam);
  return true;
}
}  // namespace

const TResponse* TWindow::Find(UINT message, WPARAM wParam) const {
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) message = WM_CTLCOLOR;
  for (const TResponseTable* table = &Responses(); table; table = table->base)
    for (std::size_t i = 0; i < table->count; ++i)
      if (Matches(table->rows[i], message, wParam)) return &table->rows[i];
  return nullptr;
}

LRESULT TWindow::ReceiveMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const TResponse* row = Find(message, wParam))
    return row->dispatch(*this, message, wParam, lParam);
  return DefaultProcessing();
}

LRESULT CALLBACK TWindow::Trampoline(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<TWindow*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
  if (!window && creating_) {
    window = creating_;
    creating_ = nullptr;
    window->handle_ = handle;
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  if (!window) return DefWindowProcW(handle, message, wParam, lParam);

  Message outer = window->current_;  // handlers nest: a message box pumps messages
  window->current_ = {message, wParam, lParam};
  LRESULT result = 0;
  // An exception must not unwind through the system's frames: it is kept
  // and thrown again once the message loop has the control back.
  try {
    result = window->ReceiveMessage(message, wParam, lParam);
  } catch (...) {
    TApplication::KeepException(std::current_exception());
  }
  window->current_ = outer;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
    window->handle_ = nullptr;
  }
  return result;
}
