// What Chimelo is for, heard: sounds chosen in the window become, tick by
// tick, the sound that the system plays for the event.
#include "ListeningTest.h"

#include <mmsystem.h>

#include "Unwritable.h"
#include "scheme/PickGenerator.h"

namespace {

using MissionTest = ListeningTest;

TEST_F(MissionTest, TheSystemPlaysTheSoundThatChimeloChoseAtEachTick) {
  const Tones tones = {Low, Middle, High};
  const Paths files = {"f:\\\\a.wav", "f:\\\\b.wav", "f:\\\\c.wav"};
  for (size_t i = 0; i < tones.size(); ++i)
    PutTone(("f:\\" + files[i].substr(4)).c_str(), tones[i], 8820);
  Start();
  ClickFiles();
  for (const std::string& file : files) {
    SelectWav(file);
    ASSERT_TRUE(e2e::Click(Control(IDC_ADD_TO_CURRENT)));
    ASSERT_TRUE(e2e::Settle(frame));
  }
  SaveScreenshot("chosen");
  ASSERT_TRUE(e2e::Click(Control(IDC_SAVE)));
  ASSERT_TRUE(e2e::Settle(frame));
  ASSERT_EQ(FileText("chimelo.ini"), "[1]\r\n1=f:\\\\a.wav\r\n2=f:\\\\b.wav\r\n3=f:\\\\c.wav\r\n");
  // This program's first sound may be lost; the previews fade meanwhile.
  PlaySoundA("f:\\a.wav", nullptr, SND_FILENAME | SND_SYNC);
  capture.Mark();
  Heard(800);

  // Only the first event has sounds: each tick steps the low word, then
  // draws one number for it.
  PickGenerator picks;
  std::vector<size_t> chosen;
  for (int tick = 0; tick < 6; ++tick) {
    picks.StepLowWord();
    size_t slot = picks.Step() % files.size();
    chosen.push_back(slot);
    Tick();
    ASSERT_EQ(Current(0), files[slot]) << "tick " << tick;
    capture.Mark();
    PlaySoundA("SystemAsterisk", nullptr, SND_ALIAS | SND_NODEFAULT | SND_SYNC);
    EXPECT_EQ(Heard(400), Tones{tones[slot]}) << "tick " << tick;
  }
  // The sequence changes the sound: not one slot all along.
  EXPECT_NE(std::count(chosen.begin(), chosen.end(), chosen[0]), 6);
}

// A standard user may not write the Windows directory: Yes to the copy puts
// it into the user's own sounds folder, made for it, and the system plays
// that copy.
TEST_F(MissionTest, ACopyTheWindowsDirectoryRefusesGoesToTheUsersSoundsFolderAndIsPlayed) {
  const std::string sounds = UserSoundsFolder(), copy = sounds + "\\away.wav";
  EmptyDirectory(sounds);
  RemoveDirectoryA(sounds.c_str());
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  PutTone("r:\\away.wav", High, 8820);
  Start();
  ChooseDrive('r');
  WaitForWalk();
  Unwritable unwritable(windows);
  if (!unwritable.made) GTEST_SKIP() << "this file system cannot make a directory unwritable";
  SelectWav("r:\\\\away.wav");
  ASSERT_TRUE(e2e::Click(Control(IDC_ADD_TO_CURRENT)));
  Answer("Chimelo !",
         "This Sound Is On a Drive That May Not Be Available Later.\nDo You Want To Copy It "
         "Somewhere On Your Hard Disk ?",
         IDYES);
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)), Paths{copy});
  EXPECT_EQ(FileText(copy.c_str()), FileText("r:\\away.wav"));
  EXPECT_EQ(FileText((std::string(windows) + "\\away.wav").c_str()), "<none>");

  Tick();
  EXPECT_EQ(Current(0), copy);
  // This program's first sound may be lost; the preview fades meanwhile.
  PlaySoundA(copy.c_str(), nullptr, SND_FILENAME | SND_SYNC);
  capture.Mark();
  Heard(800);
  capture.Mark();
  PlaySoundA("SystemAsterisk", nullptr, SND_ALIAS | SND_NODEFAULT | SND_SYNC);
  EXPECT_EQ(Heard(400), Tones{High});
  DeleteFileA(copy.c_str());
}

// A name in any script is listed, heard, copied under its own name, and
// rotated into the registry as it is. (How chimelo.ini keeps it is for the
// settings file's own tests.)
TEST_F(MissionTest, ASoundNamedInAnyScriptIsHeardCopiedRotatedAndKept) {
  const std::string greek = e2e::Utf8(L"\\\x039a\x03bf\x03c5\x03b4\x03bf\x03cd\x03bd\x03b9.wav"),
                    chinese = e2e::Utf8(L"\\\x94c3\x58f0\xd83d\xdd14.wav");
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const Paths chosen = {"f:\\" + greek, windows + chinese};
  PutTone("f:\\warm.wav", Middle, 4410);
  PutTone(("f:" + greek).c_str(), Low, 8820);
  PutTone(("r:" + chinese).c_str(), High, 8820);
  Start();
  ClickFiles();
  WarmUp();
  capture.Mark();
  SelectWav("f:\\" + greek);
  EXPECT_EQ(Heard(400), Tones{Low});
  ASSERT_TRUE(e2e::Click(Control(IDC_ADD_TO_CURRENT)));
  ChooseDrive('r');
  WaitForWalk();
  SelectWav("r:\\" + chinese);
  ASSERT_TRUE(e2e::Click(Control(IDC_ADD_TO_CURRENT)));
  Answer("Chimelo !",
         "This Sound Is On a Drive That May Not Be Available Later.\nDo You Want To Copy It "
         "Somewhere On Your Hard Disk ?",
         IDYES);
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)), chosen);
  EXPECT_NE(GetFileAttributesW(e2e::Wide(chosen[1]).c_str()), INVALID_FILE_ATTRIBUTES);

  // Read in UTF-16, the value is the exact name. (Wine's own player opens
  // a file only by its ANSI name, so the system plays it on Windows alone.)
  Tick();  // the first tick's pick of two is slot 1
  EXPECT_EQ(Current(0), chosen[1]);

  DeleteFileW(e2e::Wide(chosen[1]).c_str());
}

}  // namespace
