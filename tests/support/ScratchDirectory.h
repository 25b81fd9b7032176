#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

// Deletes everything in the directory, subdirectories and all, and keeps
// the directory itself. Links are deleted, never followed.
inline void EmptyDirectory(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    name = path + L"\\" + name;
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      EmptyDirectory(name);
      RemoveDirectoryW(name.c_str());
    } else {
      DeleteFileW(name.c_str());
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

inline void EmptyDirectory(const std::string& asciiPath) {
  EmptyDirectory(std::wstring(asciiPath.begin(), asciiPath.end()));
}

// A fresh, empty directory made the current one for a test's lifetime, so
// that the settings file of one test never meets another's. It lies in the
// temporary directory, or in the one given (ending in a backslash).
class ScratchDirectory {
 public:
  explicit ScratchDirectory(std::string parent = "") {
    if (parent.empty()) {
      char temp[MAX_PATH];
      GetTempPathA(MAX_PATH, temp);
      parent = temp;
    }
    GetCurrentDirectoryA(MAX_PATH, previous_);
    static int serial;
    path_ = parent + "chimelo-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
    SetCurrentDirectoryA(path_.c_str());
  }

  ~ScratchDirectory() {
    SetCurrentDirectoryA(previous_);
    EmptyDirectory(path_);
    RemoveDirectoryA(path_.c_str());
  }

  const std::string& Path() const { return path_; }

 private:
  char previous_[MAX_PATH];
  std::string path_;
};

// How many entries of the current directory match the pattern, "." and
// ".." aside.
inline int CountFiles(const char* pattern) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA(pattern, &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do count += entry.cFileName[0] != '.';
  while (FindNextFileA(find, &entry));
  FindClose(find);
  return count;
}

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
