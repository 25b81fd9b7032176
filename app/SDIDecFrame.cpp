#include "app/SDIDecFrame.h"

#include "app/CommandLine.h"
#include "app/SessionSounds.h"
#include "dialog/ChimeloDialog.h"
#include "platform/SessionNotifications.h"
#include "platform/Sound.h"
#include "resources/ResourceIds.h"

const TResponse SDIDecFrame::ResponseRows[] = {
    OnMessage<&SDIDecFrame::EvCreate>(WM_CREATE),
    OnMessage<&SDIDecFrame::EvDestroy>(WM_DESTROY),
    OnQueryEndSession<&SDIDecFrame::EvQueryEndSession>(),
    OnEndSession<&SDIDecFrame::EvEndSession>(),
    OnSessionChange<&SDIDecFrame::EvSessionChange>(),
};
const TResponseTable SDIDecFrame::ResponseTable(ResponseRows, &TDecoratedFrame::ResponseTable);

SDIDecFrame::SDIDecFrame(TWindow* parent, const char* title, TDialog* client,
                         bool trackMenuSelection, HINSTANCE module)
    : TDecoratedFrame(parent, title,
                      client ? client : new TChimeloDialog(nullptr, IDD_CHIMELO, nullptr),
                      trackMenuSelection, module) {}

void SDIDecFrame::ConfirmClose(int code) {
  if (MessageBox("Do You Really Want To Close Chimelo ?", "Chimelo !",
                 MB_YESNO | MB_ICONQUESTION) == IDNO)
    return;
  TDecoratedFrame::ConfirmClose(code);
}

// An installer or an update is to close Chimelo: it comes back as it is.
void SDIDecFrame::EvQueryEndSession(bool onlyThisProgram) {
  if (onlyThisProgram) RegisterRestart(IsIconic(GetHandle()) != FALSE);
}

// The session is ending: the program goes as after a Yes to the close
// question, but nobody is asked. The dialog goes first, and its tear-down
// saves the sounds; then the exit sound plays while the frame, still there,
// holds the session's end. A program closed alone, while the session goes
// on, saves and goes at once.
void SDIDecFrame::EvEndSession(bool ending, bool onlyThisProgram) {
  if (!ending) return;
  client_->Destroy();
  if (!onlyThisProgram) PlayExitSound(GetHandle());
  Destroy();
}

// The unlock sound is Chimelo's to play where Windows no longer plays it.
void SDIDecFrame::EvCreate() {
  if (!SystemPlaysSessionSounds()) NotifySessionChanges(GetHandle());
  DefaultProcessing();
}

void SDIDecFrame::EvDestroy() {
  if (!SystemPlaysSessionSounds()) StopSessionNotifications(GetHandle());
  TDecoratedFrame::EvDestroy();
}

void SDIDecFrame::EvSessionChange(UINT change) {
  if (change == WTS_SESSION_UNLOCK) PlayUnlockSound();
}
