#include "platform/Frame.h"

#include <initializer_list>

#include "platform/Application.h"
#include "platform/Dialog.h"
#include "platform/Exception.h"
#include "platform/WideText.h"

namespace {
// The dialog's border, then the frame's edges and caption, around the
// dialog's client area.
SIZE FrameSizeAround(HWND dialog, RECT area) {
  for (HWND window : {dialog, GetParent(dialog)})
    AdjustWindowRectEx(&area, GetWindowLongW(window, GWL_STYLE), FALSE,
                       GetWindowLongW(window, GWL_EXSTYLE));
  return {area.right - area.left, area.bottom - area.top};
}
}  // namespace

SIZE FrameSizeForDialog(HWND dialog, int width, int height) {
  RECT area = {0, 0, width, height};
  MapDialogRect(dialog, &area);
  return FrameSizeAround(dialog, area);
}

const TResponse TDecoratedFrame::ResponseRows[] = {
    OnMessage<&TDecoratedFrame::EvClose>(WM_CLOSE),
    OnMessage<&TDecoratedFrame::EvDestroy>(WM_DESTROY),
    OnMessage<&TDecoratedFrame::EvSetFocus>(WM_SETFOCUS),
    OnActivate<&TDecoratedFrame::EvActivate>(),
    OnSize<&TDecoratedFrame::EvSize>(),
};
const TResponseTable TDecoratedFrame::ResponseTable(ResponseRows, &TWindow::ResponseTable);

TDecoratedFrame::TDecoratedFrame(TWindow* parent, const char* title, TDialog* client, bool,
                                 HINSTANCE)
    : TWindow(parent), client_(client), title_(title) {
  client_->SetParent(this);
}

TDecoratedFrame::~TDecoratedFrame() { Destroy(); }

void TDecoratedFrame::SetIcon(HINSTANCE module, int resourceId) {
  icon_ = LoadIconW(module, MAKEINTRESOURCEW(resourceId));
}

bool TDecoratedFrame::PreProcessMessage(MSG& message) {
  return client_->GetHandle() && client_->PreProcessMessage(message);
}

void TDecoratedFrame::Create() {
  RegisterWindowClass(ClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  BindNextCreatedWindow();
  HWND frame = CreateWindowExW(
      0, ClassName, WideText(title_), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, Startup.instance, nullptr);
  if (!frame) throw xmsg("Window creation failure");
  if (icon_) {
    SendMessageW(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  }
  client_->Create();
  ShowWindow(client_->GetHandle(), SW_SHOW);

  if (ShrinkToClient) {
    // The dialog manager made the dialog's client area the template's size.
    RECT area;
    GetClientRect(client_->GetHandle(), &area);
    const SIZE size = FrameSizeAround(client_->GetHandle(), area);
    SetWindowPos(frame, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame has a sizing border: from now on the client follows it.
    ShrinkToClient = false;
  }
}

void TDecoratedFrame::EvClose() { ConfirmClose(0); }

// The frame is the application's main window: its end ends the message loop.
void TDecoratedFrame::EvDestroy() {
  PostQuitMessage(0);
  DefaultProcessing();
}

// While another window has the keyboard (a message box, the Open dialog),
// the control that had it is kept, to be given it back.
void TDecoratedFrame::EvActivate(bool active) {
  const HWND focus = GetFocus();
  if (!active && focus && IsChild(GetHandle(), focus)) focus_ = focus;
  DefaultProcessing();
}

// The keyboard belongs to the dialog's controls, where its dialog manager
// sees the keys: back where it was, or where the dialog puts it first.
void TDecoratedFrame::EvSetFocus() {
  const HWND dialog = client_->GetHandle();
  if (focus_ && IsChild(dialog, focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_))
    client_->FocusControl(focus_);
  else if (dialog)
    SetFocus(dialog);
}

void TDecoratedFrame::EvSize(UINT sizeType, int width, int height) {
  if (sizeType != SIZE_MINIMIZED && client_->GetHandle())
    MoveWindow(client_->GetHandle(), 0, 0, width, height, TRUE);
}
