#pragma once
#include <windows.h>

#include <string>

// A file in the folder of the running program: the programs a test or a
// benchmark drives are built beside it.
inline std::string BesideThisProgram(const char* name) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string text = path;
  return text.substr(0, text.rfind('\\') + 1) + name;
}
