#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

// A fresh, empty directory made the current one for a test's lifetime, so
// that the settings file of one test never meets another's.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetCurrentDirectoryA(MAX_PATH, previous_);
    static int serial;
    path_ = std::string(temp) + "chimelo-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
    SetCurrentDirectoryA(path_.c_str());
  }

  ~ScratchDirectory() {
    SetCurrentDirectoryA(previous_);
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        std::string name = path_ + "\\" + entry.cFileName;
        SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(name.c_str());
      } while (FindNextFileA(find, &entry));
      FindClose(find);
    }
    RemoveDirectoryA(path_.c_str());
  }

  const std::string& Path() const { return path_; }

 private:
  char previous_[MAX_PATH];
  std::string path_;
};

// The whole file as bytes, or "<none>" when it does not exist.
inline std::string FileText(const char* name) {
  FILE* file = std::fopen(name, "rb");
  if (!file) return "<none>";
  std::string text;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  std::fclose(file);
  return text;
}

inline void WriteFileText(const char* name, const std::string& text) {
  FILE* file = std::fopen(name, "wb");
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}
