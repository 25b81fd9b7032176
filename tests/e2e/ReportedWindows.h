#pragma once
// The Windows version that the test prefix reports to the programs started
// from now on, set as winecfg sets it; back to a new prefix's Windows 7 when
// the object goes.
#include <string>

#include "Driver.h"

struct ReportedWindows {
  explicit ReportedWindows(const char* version) { Set(version); }
  ~ReportedWindows() { Set("win7"); }
  ReportedWindows(const ReportedWindows&) = delete;
  ReportedWindows& operator=(const ReportedWindows&) = delete;

  static void Set(const char* version) {
    e2e::RunToTheEnd(std::string("winecfg.exe -v ") + version);
  }
};
