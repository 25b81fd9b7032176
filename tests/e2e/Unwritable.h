#pragma once
// Directories that a test makes unwritable for a while, as a standard
// user's Windows directory is, or a folder of a protected place.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "Driver.h"

inline std::string UnixPath(const std::string& path) {
  using Converter = char*(CDECL*)(const wchar_t*);
  auto convert = reinterpret_cast<Converter>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
  char* unix = convert(std::wstring(path.begin(), path.end()).c_str());
  std::string text = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return text;
}

// Runs a Unix command, which Wine starts as it is, and waits until it has
// finished: the process handle that Wine gives for it does not tell.
inline void RunUnix(const std::string& command) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string done = temp + std::string("unix-done-") + std::to_string(GetCurrentProcessId());
  std::string line = "/bin/sh -c \"" + command + "; touch '" + UnixPath(done) + "'\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ASSERT_TRUE(e2e::WaitUntil([&] { return DeleteFileA(done.c_str()) != FALSE; }, 10000));
}

// Immutable for the object's lifetime: as root, nothing else keeps a
// directory from taking a new file. Made is false when the file system
// cannot do that.
struct Unwritable {
  std::string directory;
  bool made = false;
  explicit Unwritable(const std::string& path) : directory(path) {
    RunUnix("chattr +i '" + UnixPath(directory) + "'");
    const std::string probe = directory + "\\chimelo-probe";
    made = !CreateDirectoryA(probe.c_str(), nullptr);
    if (!made) RemoveDirectoryA(probe.c_str());
  }
  ~Unwritable() { Writable(); }
  Unwritable(const Unwritable&) = delete;
  Unwritable& operator=(const Unwritable&) = delete;

  void Writable() { RunUnix("chattr -i '" + UnixPath(directory) + "'"); }
};
