#pragma once
// A program's version resource, read through the system's version calls, as
// Explorer and the installed apps read it.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

class VersionResource {
 public:
  explicit VersionResource(const std::string& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    data_.resize(size);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, data_.data())) data_.clear();
  }

  bool Found() const { return !data_.empty(); }

  // The numbers, or null.
  const VS_FIXEDFILEINFO* Fixed() const {
    void* fixed = nullptr;
    UINT length = 0;
    return Found() && VerQueryValueA(data_.data(), "\\", &fixed, &length)
               ? static_cast<const VS_FIXEDFILEINFO*>(fixed)
               : nullptr;
  }

  // A text of the first table the resource names, or "<none>".
  std::string Text(const char* name) const {
    WORD* translation = nullptr;
    void* value = nullptr;
    UINT length = 0;
    if (!Found() ||
        !VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < 2 * sizeof(WORD))
      return "<none>";
    char query[64];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation[0],
                  translation[1], name);
    if (!VerQueryValueA(data_.data(), query, &value, &length)) return "<none>";
    return static_cast<const char*>(value);
  }

 private:
  std::vector<char> data_;
};
