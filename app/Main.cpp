// The program's entry routine, called by the framework's start-up.
#include <windows.h>

#include "app/ChimeloApp.h"
#include "app/OnlyChimelo.h"
#include "platform/Exception.h"

int ProgramMain(int, char*[]) {
  if (!StartAsTheOnlyChimelo(chimeloApp::Name)) return 0;
  try {
    chimeloApp app;
    return app.Run();
  } catch (const xmsg& failure) {
    MessageBoxExA(nullptr, failure.why(), "Exception", MB_OK, 0);
    return -1;
  }
}
