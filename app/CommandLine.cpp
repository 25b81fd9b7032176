#include "app/CommandLine.h"

#include <windows.h>

#include <cstring>

#include "platform/WideText.h"

void RegisterRestart(bool minimized) {
  RegisterApplicationRestart(WideText(minimized ? MinimizedSwitch : nullptr),
                             RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT);
}

bool IsSwitch(const char* commandLine, const char* name) {
  commandLine += std::strspn(commandLine, " \t");
  const std::size_t length = std::strlen(name);
  return _strnicmp(commandLine, name, length) == 0 &&
         commandLine[length + std::strspn(commandLine + length, " \t")] == '\0';
}
