#pragma once
#include <windows.h>

#include <exception>
#include <memory>

class TDecoratedFrame;

// What the framework's start-up recorded before it called the program's
// entry routine.
struct TStartup {
  HINSTANCE instance;
  const char* commandLine;
  int cmdShow;
};
extern TStartup Startup;

class TApplication;
// The running application, for work that pumps messages while it goes on;
// null while there is none.
TApplication* GetApplication();

// The application object: builds the main window, shows it and runs the
// message loop until that window is destroyed.
class TApplication {
 public:
  TApplication(const char* name, HINSTANCE instance);
  virtual ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  int Run();

  // Handles every message already waiting for this thread and returns
  // without waiting for more. False when a quit request came: it is posted
  // again for the main loop, and the caller is to stop what it is doing.
  bool PumpWaitingMessages();

  const char* GetName() const { return name_; }
  HINSTANCE GetInstance() const { return instance_; }

  // Keeps an exception raised inside a window procedure until the loop
  // that dispatched the message has the control back.
  static void KeepException(std::exception_ptr exception);

 protected:
  virtual void BuildMainWindow() = 0;
  // Builds the main window, creates it and shows it, painted.
  virtual void InitInstance();
  void SetMainWindow(TDecoratedFrame* frame);

  int nCmdShow;

 private:
  void Dispatch(MSG& message);

  const char* name_;
  HINSTANCE instance_;
  std::unique_ptr<TDecoratedFrame> mainWindow_;
};
