#include "app/ChimeloApp.h"

#include "app/CommandLine.h"
#include "app/SDIDecFrame.h"
#include "app/SessionSounds.h"
#include "platform/CustomControls.h"
#include "platform/WideText.h"
#include "resources/ResourceIds.h"

chimeloApp::chimeloApp() : TApplication(Name, Startup.instance) {}

void chimeloApp::BuildMainWindow() {
  // Only hidden and minimised-without-activation pass through unchanged; a
  // minimised Chimelo that is restarted comes back as the latter.
  if (IsSwitch(Startup.commandLine, MinimizedSwitch))
    nCmdShow = SW_SHOWMINNOACTIVE;
  else if (nCmdShow != SW_HIDE && nCmdShow != SW_SHOWMINNOACTIVE)
    nCmdShow = SW_SHOWNORMAL;
  auto* frame = new SDIDecFrame(nullptr, GetName(), nullptr, false, nullptr);
  frame->ShrinkToClient = true;
  frame->SetIcon(GetInstance(), IDI_SOUND);
  SetMainWindow(frame);
  CustomControls::TurnOn(GetInstance(), 0);
}

// Started at sign-in, Chimelo plays the start sound once its window is up.
void chimeloApp::InitInstance() {
  TApplication::InitInstance();
  RegisterRestart(false);
  if (IsSwitch(Startup.commandLine, SignInSwitch)) PlayStartSound();
}
