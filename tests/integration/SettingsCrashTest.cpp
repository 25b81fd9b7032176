// Kills a process at random moments while it saves, many times over: after
// every kill chimelo.ini must hold one complete table, never a mix or a part.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "tests/support/BesideThisProgram.h"
#include "tests/support/ScratchDirectory.h"
#include "helpers/settings-saver/SampleTables.h"
#include "scheme/Settings.h"

namespace {

const char SettingsName[] = ".\\chimelo.ini";

std::string SaverPath() { return BesideThisProgram("settings-saver.exe"); }

std::string SavedText(char which) {
  auto sounds = std::make_unique<SoundTable>();
  FillSample(*sounds, which);
  EXPECT_TRUE(SaveSettings(*sounds, SettingsName));
  return FileText("chimelo.ini");
}

TEST(SettingsCrash, AKilledSaveLeavesTheOldFileOrTheNewOneWhole) {
  ScratchDirectory directory;
  const std::string tableB = SavedText('B'), tableA = SavedText('A');
  ASSERT_NE(tableA, tableB);

  const int runs = 80;
  unsigned seed = GetTickCount();
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delay(0, 120);
  int foundA = 0, foundB = 0, interrupted = 0, leftovers = CountFiles("*");
  for (int run = 0; run < runs; ++run) {
    HANDLE started = CreateEventA(nullptr, TRUE, FALSE, "chimelo-saver-started");
    std::string command = "settings-saver.exe chimelo-saver-started";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    ASSERT_TRUE(CreateProcessA(SaverPath().c_str(), &command[0], nullptr, nullptr, FALSE, 0,
                               nullptr, directory.Path().c_str(), &startup, &process));
    ASSERT_EQ(WaitForSingleObject(started, 60000), WAIT_OBJECT_0);
    int wait = delay(random);
    Sleep(wait);
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(started);

    std::string text = FileText("chimelo.ini");
    ASSERT_TRUE(text == tableA || text == tableB)
        << "run " << run << ", killed " << wait << " ms in (seed " << seed << "):\n"
        << text;
    (text == tableA ? foundA : foundB)++;
    // A kill in the middle of a save leaves its file of a new name behind.
    int files = CountFiles("*");
    interrupted += files > leftovers;
    leftovers = files;
  }
  std::printf("%d kills: %d left table A, %d table B, %d interrupted a save in the middle\n", runs,
              foundA, foundB, interrupted);
  // Without kills in the middle of a save the test would prove nothing.
  EXPECT_GT(interrupted, 0);

  // The leftovers of the kills do not disturb the next save.
  auto sounds = std::make_unique<SoundTable>();
  sounds->Append(0, "C:\\AFTER.WAV");
  ASSERT_TRUE(SaveSettings(*sounds, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), "[1]\r\n1=C:\\AFTER.WAV\r\n");
}

}  // namespace
