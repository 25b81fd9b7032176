#pragma once
// The end-to-end tests that work with the WAV browser, on the drive letters
// that the test session maps (scripts/wine-session.sh): f: a fixed disk,
// r: removable, e: a CD-ROM, n: a network drive, m: a letter whose folder is
// missing, l: a fixed disk with a link back to its root, b: 2,000
// directories with a WAV file each. The program starts on drive f:, so
// &Files walks f: unless another drive is chosen.
#include <algorithm>
#include <string>
#include <vector>

#include "ChimeloTest.h"

using Paths = std::vector<std::string>;

// The test drives are emptied before the scratch directory is made on f:.
struct EmptyTestDrives {
  EmptyTestDrives() {
    for (const char* drive : {"f:", "r:", "e:", "n:"}) EmptyDirectory(drive);
  }
};

struct BrowserTest : EmptyTestDrives, ChimeloTest {
  BrowserTest() : ChimeloTest("f:\\") {}

  // A small file, with the directories before it; the name may be one
  // that the ANSI code page cannot hold.
  static void Put(const std::wstring& path) {
    for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
         slash = path.find(L'\\', slash + 1))
      CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }

  SIZE FrameSize() const {
    RECT rect = e2e::WindowRect(frame);
    return {rect.right - rect.left, rect.bottom - rect.top};
  }

  bool Walking() const { return !IsWindowEnabled(Control(IDC_FILES)); }
  LRESULT ListedCount() const { return SendMessageA(Control(IDC_WAV_LIST), LB_GETCOUNT, 0, 0); }

  // Input that may start a walk has been posted: waits until it was
  // handled and the walk, if any, is over.
  void WaitForWalk() {
    ASSERT_TRUE(e2e::Settle(frame));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !Walking(); }, 60000)) << "the walk went on";
    ASSERT_TRUE(e2e::Settle(frame));
  }

  void ClickFiles() {
    ASSERT_TRUE(e2e::Click(Control(IDC_FILES)));
    WaitForWalk();
  }

  // Chooses the drive in the selector as a user would, opening the browser
  // first where it is folded away; the walk starts.
  void ChooseDrive(char letter) {
    if (!IsWindowVisible(Control(IDC_DRIVE_COMBO))) ClickFiles();
    Paths drives = e2e::ComboStrings(Control(IDC_DRIVE_COMBO));
    auto entry = std::find(drives.begin(), drives.end(), std::string("[-") + letter + "-]");
    ASSERT_NE(entry, drives.end()) << letter;
    ASSERT_TRUE(
        e2e::SelectComboEntry(Control(IDC_DRIVE_COMBO), static_cast<int>(entry - drives.begin())));
  }

  // Selects the WAV list's entry of this path as a user would.
  void SelectWav(const std::string& path) {
    Paths entries = e2e::ListStrings(Control(IDC_WAV_LIST));
    auto entry = std::find(entries.begin(), entries.end(), path);
    ASSERT_NE(entry, entries.end()) << path;
    ASSERT_TRUE(
        e2e::SelectListEntry(Control(IDC_WAV_LIST), static_cast<int>(entry - entries.begin())));
  }

  Paths Listed() const {
    Paths paths = e2e::ListStrings(Control(IDC_WAV_LIST));
    std::sort(paths.begin(), paths.end());
    return paths;
  }
};
