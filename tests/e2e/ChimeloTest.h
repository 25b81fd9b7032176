#pragma once
// The fixture of the end-to-end tests: the real chimelo.exe, started under
// Wine in a working directory of its own, with the sound scheme's current
// sounds cleared, and driven from outside.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Driver.h"
#include "resources/ResourceIds.h"
#include "scheme/EventTable.h"
#include "tests/support/BesideThisProgram.h"
#include "tests/support/ScratchDirectory.h"

class ChimeloTest : public ::testing::Test {
 protected:
  // The program runs in a scratch directory inside this one, or inside the
  // temporary directory.
  explicit ChimeloTest(const std::string& parent = "") : directory(parent) {}

  void SetUp() override {
    // The pointer rests away from where windows appear, so that nothing it
    // points at (an event's name) covers what a test looks at.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    for (const SystemEvent& event : EventKeyTable) {
      HKEY key;
      ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, event.key, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
      RegDeleteValueA(key, "");
      RegCloseKey(key);
    }
  }

  // Starts the program (chimelo.exe unless another is named), with this
  // chimelo.ini when one is given and these arguments, and waits until its
  // window is up and it waits for input.
  void Start(const std::string& settings = "", const std::string& arguments = "",
             const std::string& program = "") {
    Launch(settings, program.empty() ? ProgramPath() : program, arguments);
    ASSERT_TRUE(chimelo->Started());
    frame = e2e::WaitForFrame(chimelo->Id(), 30000);
    ASSERT_NE(frame, nullptr) << "no window appeared";
    dialog = e2e::Dialog(frame);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(e2e::Settle(frame));
  }

  void Launch(const std::string& settings, const std::string& program,
              const std::string& arguments = "") {
    if (!settings.empty()) WriteFileText("chimelo.ini", settings);
    chimelo = std::make_unique<e2e::ChimeloProcess>(program, directory.Path(), arguments);
  }

  HWND Control(int id) const { return e2e::Control(dialog, id); }

  std::string Current(int event) const { return e2e::DefaultValue(EventKeyTable[event].key).text; }
  bool AnyCurrentWritten() const {
    for (const SystemEvent& event : EventKeyTable)
      if (e2e::DefaultValue(event.key).present) return true;
    return false;
  }

  // Answers the message box with this caption and text once it is open,
  // and waits until the answer has been handled.
  void Answer(const char* caption, const char* text, int button) {
    HWND box = e2e::WaitForMessageBox(chimelo->Id(), caption, text, 10000);
    ASSERT_NE(box, nullptr) << text;
    ASSERT_TRUE(e2e::AnswerMessageBox(box, button));
    ASSERT_TRUE(e2e::Settle(frame));
  }

  void Tick() {
    e2e::PostTimerTick(dialog, e2e::RotationTimer);
    ASSERT_TRUE(e2e::Settle(frame));
  }

  // Saves what the screen shows of the window beside the test program, for
  // a person to look at.
  void SaveScreenshot(const std::string& name) const {
    EXPECT_TRUE(e2e::Screenshot(frame).SaveBmp(screenshots_ + "\\" + name + ".bmp"));
  }

  // Where copies go when the Windows directory cannot be written:
  // Chimelo\Sounds in the user's local application data folder.
  static std::string UserSoundsFolder() {
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, appData);
    return std::string(appData) + "\\Chimelo\\Sounds";
  }

  // A program built beside the test programs.
  static std::string ProgramPath(const char* program = "chimelo.exe") {
    return BesideThisProgram(program);
  }

  std::string screenshots_ = [] {
    char path[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, path);
    return std::string(path);
  }();
  ScratchDirectory directory;
  std::unique_ptr<e2e::ChimeloProcess> chimelo;
  HWND frame = nullptr;
  HWND dialog = nullptr;
};
