#include "app/ChimeloApp.h"

#include "app/SDIDecFrame.h"
#include "app/SessionSounds.h"
#include "platform/CustomControls.h"
#include "platform/WideText.h"
#include "resources/ResourceIds.h"

chimeloApp::chimeloApp() : TApplication(Name, Startup.instance) {}

void chimeloApp::BuildMainWindow() {
  // Only hidden and minimised-without-activation pass through unchanged.
  if (nCmdShow != SW_HIDE && nCmdShow != SW_SHOWMINNOACTIVE) nCmdShow = SW_SHOWNORMAL;
  auto* frame = new SDIDecFrame(nullptr, GetName(), nullptr, false, nullptr);
  frame->ShrinkToClient = true;
  frame->SetIcon(GetInstance(), IDI_SOUND);
  SetMainWindow(frame);
  CustomControls::TurnOn(GetInstance(), 0);
}

// Started at sign-in, Chimelo plays the start sound once its window is up.
// Closed by an installer or an update, it comes back as it was started; a
// crash, a hang or a restart of Windows brings nothing back, since the
// sign-in start does that.
void chimeloApp::InitInstance() {
  TApplication::InitInstance();
  const bool atSignIn = StartedAtSignIn(Startup.commandLine);
  RegisterApplicationRestart(WideText(atSignIn ? SignInSwitch : nullptr),
                             RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT);
  if (atSignIn) PlayStartSound();
}
