#include "platform/Dialog.h"

#include <cstring>
#include <memory>

#include "platform/Application.h"
#include "platform/BitmapButton.h"
#include "platform/Control.h"
#include "platform/Exception.h"

const TResponse TDialog::ResponseRows[] = {
    OnDrawItem<&TDialog::EvDrawItem>(),
    OnCtlColor<&TDialog::EvCtlColor>(),
};
const TResponseTable TDialog::ResponseTable(ResponseRows, &TWindow::ResponseTable);

namespace {
const COLORREF Gray = RGB(192, 192, 192);

bool IsButton(HWND control) {
  wchar_t name[8];
  return GetClassNameW(control, name, 8) && lstrcmpiW(name, L"Button") == 0;
}

// The dialog's work is done by its window procedure; the dialog manager
// sends WM_INITDIALOG only to a dialog that has a dialog procedure.
INT_PTR CALLBACK NoDialogProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

TDialog::TDialog(TWindow* parent, int resourceId, HINSTANCE module)
    : TWindow(parent), module_(module ? module : Startup.instance), resourceId_(resourceId) {}

TDialog::~TDialog() { Destroy(); }

void TDialog::Create() {
  RegisterWindowClass(L"TDialog", DLGWINDOWEXTRA,
                      static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(resourceId_), MAKEINTRESOURCEW(5));
  HGLOBAL loaded = resource ? LoadResource(module_, resource) : nullptr;
  if (!loaded) throw xmsg("Dialog resource not found");
  DWORD size = SizeofResource(module_, resource);
  std::unique_ptr<DWORD[]> copy(new DWORD[(size + 3) / 4]);
  std::memcpy(copy.get(), LockResource(loaded), size);
  if (Parent()) {
    // An extended template keeps its style in its fourth double word.
    bool extended = LOWORD(copy[0]) == 1 && HIWORD(copy[0]) == 0xFFFF;
    DWORD& style = extended ? copy[3] : copy[0];
    style = (style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_THICKFRAME)) |
            WS_CHILD | WS_BORDER;
  }
  BindNextCreatedWindow();
  if (!CreateDialogIndirectParamW(module_, reinterpret_cast<DLGTEMPLATE*>(copy.get()),
                                  Parent() ? Parent()->GetHandle() : nullptr, NoDialogProcedure, 0))
    throw xmsg("Window creation failure");
}

LRESULT TDialog::ReceiveMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // Owner-drawn buttons are bitmap buttons: each grows to hold its picture.
    for (HWND child = GetWindow(GetHandle(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
      if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW && IsButton(child))
        FitBitmapButton(module_, child);
    for (int i = 0; i < childCount_; ++i) children_[i]->Bind(GetHandle());
    SetupWindow();
    setUp_ = true;
    // No focus yet: the dialog manager would activate the frame, still
    // hidden, to give it, which costs the start-up some milliseconds. The
    // frame passes its focus on when it first shows, and the dialog then
    // gives it to its first tab stop.
    return FALSE;
  }
  // A window that failed half-way through its creation was never set up:
  // there is nothing to tear down.
  if (message == WM_DESTROY && setUp_) CleanupWindow();
  return TWindow::ReceiveMessage(message, wParam, lParam);
}

void TDialog::SetupWindow() {
  if (!transferBuffer_) return;
  auto field = static_cast<const char*>(transferBuffer_);
  for (int i = 0; i < childCount_; ++i) field += children_[i]->Transfer(field);
}

// Owner-drawn buttons are bitmap buttons; any other owner-drawn control is
// offered to its wrapper.
void TDialog::EvDrawItem(UINT controlId, DRAWITEMSTRUCT& draw) {
  if (draw.CtlType == ODT_BUTTON) {
    DrawBitmapButton(module_, draw);
    return;
  }
  for (int i = 0; i < childCount_; ++i)
    if (children_[i]->Id() == static_cast<int>(controlId)) children_[i]->DrawItem(draw);
}

HBRUSH TDialog::EvCtlColor(HDC dc, HWND, UINT controlType) {
  if (controlType == CTLCOLOR_DLG || controlType == CTLCOLOR_STATIC ||
      controlType == CTLCOLOR_BTN) {
    SetBkColor(dc, Gray);
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  }
  return reinterpret_cast<HBRUSH>(DefaultProcessing());
}
