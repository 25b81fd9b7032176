#include "Driver.h"

#include <fstream>
#include <iterator>

namespace e2e {

ChimeloProcess::ChimeloProcess(const std::string& exePath, const std::string& workingDirectory,
                               const std::string& arguments) {
  std::string commandLine = "\"" + exePath + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      workingDirectory.c_str(), &startup, &process_)) {
    process_ = {};
    return;
  }
  CloseHandle(process_.hThread);
  process_.hThread = nullptr;
}

ChimeloProcess::~ChimeloProcess() {
  if (!Started()) return;
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hProcess);
}

bool ChimeloProcess::Running() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChimeloProcess::WaitForExit(DWORD timeoutMs) const {
  return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChimeloProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

long RunToTheEnd(std::string commandLine, DWORD timeoutMs) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code == STILL_ACTIVE ? -1 : static_cast<long>(code);
}

// Wine's own kernel32 tells it, in memory of its process heap.
std::string LinuxPath(const std::string& windowsPath) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  char* name = unixName ? unixName(Wide(windowsPath).c_str()) : nullptr;
  const std::string path = name ? name : "";
  if (name) HeapFree(GetProcessHeap(), 0, name);
  return path;
}

std::string LinuxOutput(const std::string& command, DWORD timeoutMs) {
  static int run = 0;
  const std::string base = "/tmp/chimelo-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++run);
  std::string commandLine =
      "z:\\bin\\sh -c \"(" + command + ") >" + base + ".out 2>&1; mv " + base + ".out " + base + ".txt\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return "";
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::string done = "z:" + base + ".txt";
  for (char& c : done)
    if (c == '/') c = '\\';
  if (!WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; },
                 timeoutMs))
    return "";
  std::ifstream file(done, std::ios::binary);
  std::string output((std::istreambuf_iterator<char>(file)), {});
  file.close();
  DeleteFileA(done.c_str());
  return output;
}

}  // namespace e2e
