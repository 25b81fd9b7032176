#pragma once
// Libraries named as system ones, put beside a program as a web page may
// save them into Downloads; each leaves "<its name>.loaded" once loaded.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/BesideThisProgram.h"

inline std::vector<std::string> FileNames(const std::string& folder, const char* pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\" + pattern).c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do names.push_back(entry.cFileName);
  while (FindNextFileA(find, &entry));
  FindClose(find);
  return names;
}

// Wine takes them only where the program prefers native ones, as Windows
// always would: while this lives, it does. (A child's WINEDLLOVERRIDES comes
// from the Unix environment, not from the parent's, hence the registry. Wine
// itself loads uxtheme, version and shlwapi by name as a process starts:
// those are not planted.)
class PlantedLibraries {
 public:
  PlantedLibraries(const std::string& folder, const std::string& program)
      : folder_(folder),
        key_("Software\\Wine\\AppDefaults\\" + program.substr(program.rfind('\\') + 1)) {
    // Built for the program: of this test's own kind, or 32-bit beside it.
    DWORD type = SCS_64BIT_BINARY;
    GetBinaryTypeA(program.c_str(), &type);
    const bool sameKind = (type == SCS_32BIT_BINARY) == (sizeof(void*) == 4);
    const std::string built = BesideThisProgram(sameKind ? "planted" : "planted-x86");
    for (const std::string& name : FileNames(built, "*.dll")) {
      CopyFileA((built + "\\" + name).c_str(), (folder + "\\" + name).c_str(), FALSE);
      RegSetKeyValueA(HKEY_CURRENT_USER, (key_ + "\\DllOverrides").c_str(),
                      name.substr(0, name.size() - 4).c_str(), REG_SZ, "native,builtin", 15);
    }
  }
  ~PlantedLibraries() { RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }

  size_t Count() const { return FileNames(folder_, "*.dll").size(); }
  std::vector<std::string> Loaded() const { return FileNames(folder_, "*.loaded"); }

 private:
  std::string folder_, key_;
};
