// The framework's start-up: keeps libraries to the system folder, records
// what Windows hands the program, then calls the program's entry routine.
#include <windows.h>

#include <cstdlib>

#include "platform/Application.h"
#include "platform/SystemLibrary.h"

int ProgramMain(int argc, char* argv[]);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  LoadLibrariesFromTheSystemFolderOnly();
  Startup = {instance, commandLine, SW_SHOWDEFAULT};
  return ProgramMain(__argc, __argv);
}
