#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "ChimeloTest.h"
#include "PlantedLibraries.h"

namespace {

using StartupTest = ChimeloTest;

TEST_F(StartupTest, WithoutSettingsAllTheEventsShowAndTheFirstIsSelected) {
  Start();
  std::vector<LPARAM> numbers;
  for (int event = 0; event < EventCount; ++event) numbers.push_back(EventNumber(event));
  EXPECT_EQ(e2e::ListItemData(Control(IDC_EVENT_LIST)), numbers);
  EXPECT_EQ(e2e::ListSelection(Control(IDC_EVENT_LIST)), 0);
  EXPECT_TRUE(e2e::ListItemData(Control(IDC_ASSOCIATED_LIST)).empty());
  EXPECT_TRUE(e2e::ListStrings(Control(IDC_WAV_LIST)).empty());
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  SaveScreenshot("startup");
}

TEST_F(StartupTest, TheFirstEventsSoundsShowInSlotOrderAndNothingIsWrittenYet) {
  Start(
      "[1]\r\n1=C:\\SOUNDS\\ZING.WAV\r\n2=C:\\SOUNDS\\BELL.WAV\r\n3=c:\\a\\ding.wav\r\n"
      "[2]\r\n1=C:\\OTHER.WAV\r\n");
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)),
            (std::vector<std::string>{"C:\\SOUNDS\\ZING.WAV", "C:\\SOUNDS\\BELL.WAV",
                                      "c:\\a\\ding.wav"}));
  EXPECT_EQ(e2e::ListSelection(Control(IDC_ASSOCIATED_LIST)), -1);
  EXPECT_FALSE(AnyCurrentWritten());
}

TEST_F(StartupTest, SelectingAnEventShowsItsOwnSounds) {
  std::string full = "[3]\r\n";
  for (int key = 1; key <= 20; ++key)
    full += std::to_string(key) + "=C:\\F" + std::to_string(key) + ".WAV\r\n";
  Start("[1]\r\n1=C:\\ONE.WAV\r\n" + full);
  e2e::SelectListEntry(Control(IDC_EVENT_LIST), 2);
  ASSERT_TRUE(e2e::Settle(frame));
  std::vector<std::string> paths = e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST));
  ASSERT_EQ(paths.size(), 20u);
  EXPECT_EQ(paths.front(), "C:\\F1.WAV");
  EXPECT_EQ(paths.back(), "C:\\F20.WAV");
  e2e::SelectListEntry(Control(IDC_EVENT_LIST), 1);
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_TRUE(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)).empty());
}

TEST_F(StartupTest, TheDriveSelectorHoldsTheDrivesWithARootWithTheCurrentOneSelected) {
  Start();
  HWND combo = Control(IDC_DRIVE_COMBO);
  std::vector<std::string> drives = e2e::ComboStrings(combo);
  ASSERT_EQ(drives.back(), "[Folder\xe2\x80\xa6]");  // the folder picker's entry comes last
  drives.pop_back();
  for (const std::string& drive : drives)
    EXPECT_TRUE(std::regex_match(drive, std::regex(R"(\[-[a-z]-\])"))) << drive;
  auto listed = [&](char letter) {
    return std::count(drives.begin(), drives.end(), std::string("[-") + letter + "-]") == 1;
  };
  for (char letter : {'b', 'c', 'e', 'f', 'l', 'n', 'r'}) EXPECT_TRUE(listed(letter)) << letter;
  // Wine still counts a drive whose folder is gone among the logical drives.
  EXPECT_FALSE(listed('m'));
  int selected = e2e::ComboSelection(combo);
  ASSERT_GE(selected, 0);
  // The working directory is on drive c.
  EXPECT_EQ(drives[selected], "[-c-]");
}

TEST_F(StartupTest, TheFrameTakesTheDialogsSizeAndThenTheDialogFollowsTheFrame) {
  Start();
  RECT outer = e2e::WindowRect(dialog);
  SIZE client = e2e::ClientSize(frame);
  EXPECT_EQ(client.cx, outer.right - outer.left);
  EXPECT_EQ(client.cy, outer.bottom - outer.top);
  // The dialog has its template's size, not the frame's default one: the
  // buttons at its bottom show, and the WAV browser beyond its right edge
  // does not.
  EXPECT_TRUE(e2e::Shows(Control(IDCANCEL)));
  EXPECT_FALSE(e2e::Shows(Control(IDC_WAV_LIST)));

  SetWindowPos(frame, nullptr, 0, 0, 730, 380, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(e2e::Settle(frame));
  RECT frameRect = e2e::WindowRect(frame);
  EXPECT_EQ(frameRect.right - frameRect.left, 730);
  client = e2e::ClientSize(frame);
  outer = e2e::WindowRect(dialog);
  EXPECT_EQ(outer.right - outer.left, client.cx);
  EXPECT_EQ(outer.bottom - outer.top, client.cy);
}

// Started again from another folder (from the Start menu, say, while the
// sign-in start runs): the running Chimelo comes to the front, restored,
// and the second start ends at once, having touched nothing.
TEST_F(StartupTest, ASecondStartBringsTheRunningChimeloToTheFrontAndEnds) {
  Start("[1]\r\n1=C:\\A.WAV\r\n");
  ASSERT_TRUE(e2e::Click(Control(IDCANCEL)));
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(frame) != FALSE; }, 10000));
  ScratchDirectory elsewhere;
  e2e::ChimeloProcess second(ProgramPath(), elsewhere.Path());
  ASSERT_TRUE(second.WaitForExit(10000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return !IsIconic(frame) && GetForegroundWindow() == frame; }, 10000));
  int frames = 0;
  for (HWND window = nullptr;
       (window = FindWindowExA(nullptr, window, nullptr, e2e::FrameCaption)) != nullptr;)
    ++frames;
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(CountFiles("*"), 0) << "the second start wrote into its folder";
  EXPECT_FALSE(AnyCurrentWritten());
  Tick();
  EXPECT_EQ(Current(0), "C:\\A.WAV");
}

// The icons alone do not tell "Restore Down" from "Restore Up": resting the
// pointer on a row shows the event's name. Libraries that a web page saved
// beside Chimelo, under system libraries' names, are never loaded: not at
// the start, the first preview or the first tooltip.
TEST_F(StartupTest, ThePointerOnAnEventShowsItsNameAndNoPlantedLibraryLoads) {
  const std::string copy = directory.Path() + "\\chimelo.exe";
  ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE));
  PlantedLibraries planted(directory.Path(), copy);
  ASSERT_GT(planted.Count(), 0u);
  Start("[1]\r\n1=C:\\A.WAV\r\n", "", copy);
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 0));
  HWND list = Control(IDC_EVENT_LIST);
  auto tip = [&]() -> std::string {
    for (HWND window : e2e::TopLevelWindows(chimelo->Id())) {
      char name[32] = {};
      GetClassNameA(window, name, sizeof name);
      // A tooltip's text is no window title: it answers WM_GETTEXT.
      wchar_t text[64] = {};
      if (IsWindowVisible(window) && std::string(name) == "tooltips_class32" &&
          SendMessageW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text)))
        return std::string(text, text + wcslen(text));
    }
    return "";
  };
  for (int row : {0, 3, 1}) {
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    POINT middle = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &middle);
    SetCursorPos(middle.x, middle.y);
    const std::string name = EventKeyTable[row].name;
    EXPECT_TRUE(e2e::WaitUntil([&] { return tip() == name; }, 5000)) << name << ": " << tip();
  }
  SaveScreenshot("event-name");
  EXPECT_EQ(planted.Loaded(), std::vector<std::string>{});
}

}  // namespace
