// The program's entry routine, called by the framework's start-up.
#include <windows.h>

#include "app/ChimeloApp.h"
#include "app/OnlyChimelo.h"
#include "platform/Exception.h"
#include "platform/WideText.h"

int ProgramMain(int, char*[]) {
  if (!StartAsTheOnlyChimelo(chimeloApp::Name)) return 0;
  try {
    chimeloApp app;
    return app.Run();
  } catch (const xmsg& failure) {
    MessageBoxExW(nullptr, WideText(failure.why()), L"Exception", MB_OK, 0);
    return -1;
  }
}
