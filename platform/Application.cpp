#include "platform/Application.h"

#include "platform/CustomControls.h"
#include "platform/Exception.h"
#include "platform/Frame.h"

TStartup Startup;

namespace {
std::exception_ptr kept;
TApplication* running;

void ThrowKept() {
  if (!kept) return;
  std::exception_ptr exception = kept;
  kept = nullptr;
  std::rethrow_exception(exception);
}
}  // namespace

TApplication* GetApplication() { return running; }

TApplication::TApplication(const char* name, HINSTANCE instance)
    : nCmdShow(Startup.cmdShow), name_(name), instance_(instance) {
  running = this;
}

TApplication::~TApplication() {
  running = nullptr;
  CustomControls::TurnOff();
  mainWindow_.reset();
  // A frame destroyed here, after a failure, posted a quit request: the run
  // is over, and the message box that reports the failure must not take the
  // request for its own.
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void TApplication::KeepException(std::exception_ptr exception) {
  if (!kept) kept = exception;
}

void TApplication::SetMainWindow(TDecoratedFrame* frame) { mainWindow_.reset(frame); }

void TApplication::Dispatch(MSG& message) {
  if (!mainWindow_->PreProcessMessage(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  ThrowKept();
}

void TApplication::InitInstance() {
  BuildMainWindow();
  if (!mainWindow_) throw xmsg("No main window");
  mainWindow_->Create();
  ThrowKept();
  ShowWindow(mainWindow_->GetHandle(), nCmdShow);
  UpdateWindow(mainWindow_->GetHandle());
  ThrowKept();
}

int TApplication::Run() {
  InitInstance();
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return static_cast<int>(message.wParam);
}

bool TApplication::PumpWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    Dispatch(message);
  }
  return true;
}
