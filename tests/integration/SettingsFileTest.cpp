// The settings file through Wine's real private-profile functions, each test
// in a directory of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/ScratchDirectory.h"
#include "scheme/Settings.h"
#include "scheme/SoundTable.h"

namespace {

const char SettingsName[] = ".\\chimelo.ini";

struct SettingsFileTest : ::testing::Test {
  ScratchDirectory directory;
  std::unique_ptr<SoundTable> owner = std::make_unique<SoundTable>();
  SoundTable& sounds = *owner;

  std::unique_ptr<SoundTable> Loaded() {
    auto loaded = std::make_unique<SoundTable>();
    loaded->Append(0, "stale entry that loading must clear");
    LoadSettings(*loaded, SettingsName);
    return loaded;
  }
};

TEST_F(SettingsFileTest, SavedFileHasOneSectionPerEventWithSoundsAndKeysFromOne) {
  sounds.Append(0, "C:\\SOUNDS\\BELL.WAV");
  sounds.Append(0, "C:\\SOUNDS\\DING.WAV");
  sounds.Append(6, "C:\\WINDOWS\\CHORD.WAV");
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"),
            "[1]\r\n1=C:\\SOUNDS\\BELL.WAV\r\n2=C:\\SOUNDS\\DING.WAV\r\n"
            "[7]\r\n1=C:\\WINDOWS\\CHORD.WAV\r\n");
  EXPECT_EQ(CountFiles("*"), 1);
}

TEST_F(SettingsFileTest, SectionsStandInAscendingOrderWhateverTheOrderOfAdding) {
  sounds.Append(9, "C:\\TEN.WAV");
  sounds.Append(1, "C:\\TWO.WAV");
  sounds.Append(6, "C:\\SEVEN.WAV");
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"),
            "[2]\r\n1=C:\\TWO.WAV\r\n[7]\r\n1=C:\\SEVEN.WAV\r\n[10]\r\n1=C:\\TEN.WAV\r\n");
}

TEST_F(SettingsFileTest, AFullTableOfLongestPathsSurvivesARoundTrip) {
  for (int event = 0; event < EventCount; ++event)
    for (int slot = 0; slot < MaxSoundsPerEvent; ++slot) {
      std::string path = "C:\\" + std::to_string(event) + "-" + std::to_string(slot) + "-";
      path.resize(SoundPathSize - 1, 'w');
      ASSERT_TRUE(sounds.Append(event, path.c_str()));
    }
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  auto loaded = Loaded();
  for (int event = 0; event < EventCount; ++event) {
    ASSERT_EQ(loaded->SoundCount(event), MaxSoundsPerEvent);
    for (int slot = 0; slot < MaxSoundsPerEvent; ++slot)
      ASSERT_STREQ(loaded->Read(event, slot), sounds.Read(event, slot));
  }
}

// A file in the code page, as every Chimelo wrote it, loads with its letters
// such as \xe9, and a save without changes writes the same bytes. A path the
// code page cannot hold makes it UTF-16LE with a byte-order mark, which
// loads and saves as it was; without such a path it is ANSI again.
TEST_F(SettingsFileTest, TheFileIsAnsiWhileTheCodePageHoldsEveryPathAndUtf16Otherwise) {
  const std::string ansi = "[1]\r\n1=C:\\Caf\xe9.wav\r\n[3]\r\n1=C:\\\xc9t\xe9.wav\r\n";
  const char bell[] = "C:\\\xf0\x9f\x94\x94 \xce\xba\xce\xbf\xcf\x85\xce\xb4\xce\xb9.wav";
  WriteFileText("chimelo.ini", ansi);
  auto loaded = Loaded();
  EXPECT_STREQ(loaded->Read(0, 0), "C:\\Caf\xc3\xa9.wav");
  ASSERT_TRUE(SaveSettings(*loaded, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), ansi);

  ASSERT_TRUE(loaded->Append(0, bell));
  ASSERT_TRUE(SaveSettings(*loaded, SettingsName));
  const std::string unicode = FileText("chimelo.ini");
  EXPECT_EQ(unicode.substr(0, 2), "\xff\xfe");
  auto again = Loaded();
  EXPECT_STREQ(again->Read(0, 1), bell);
  EXPECT_STREQ(again->Read(2, 0), "C:\\\xc3\x89t\xc3\xa9.wav");
  ASSERT_TRUE(SaveSettings(*again, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), unicode);

  again->RemoveAt(0, 1);
  ASSERT_TRUE(SaveSettings(*again, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), ansi);
}

TEST_F(SettingsFileTest, WithoutAFileEveryEventStartsEmpty) {
  auto loaded = Loaded();
  for (int event = 0; event < EventCount; ++event) EXPECT_EQ(loaded->SoundCount(event), 0);
}

TEST_F(SettingsFileTest, AnEmptyTableLeavesNoFile) {
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), "<none>");
  WriteFileText("chimelo.ini", "[1]\r\n1=C:\\OLD.WAV\r\n");
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), "<none>");
}

TEST_F(SettingsFileTest, LoadingStopsAtGapsCutsLongValuesAndIgnoresStrangers) {
  std::string long600(600, 'L');
  WriteFileText(
      "chimelo.ini",
      "[0]\r\n1=C:\\ZERO.WAV\r\n"
      "[2]\r\n1=C:\\A.WAV\r\n2=C:\\B.WAV\r\n4=C:\\D.WAV\r\n"
      "[3]\r\n1=C:\\X.WAV\r\n2=C:\\Y.WAV\r\n3=\r\n4=C:\\Z.WAV\r\n"
      "[5]\r\n1=" +
          long600 +
          "\r\n"
          "[6]\r\n2=C:\\NO-FIRST-KEY.WAV\r\n"
          "[9]\r\n" +
          [] {
            std::string keys;
            for (int key = 1; key <= 21; ++key)
              keys += std::to_string(key) + "=C:\\K" + std::to_string(key) + ".WAV\r\n";
            return keys;
          }() +
          "[13]\r\n1=C:\\THIRTEEN.WAV\r\n"
          "junk line\r\n");
  auto loaded = Loaded();

  EXPECT_EQ(loaded->SoundCount(0), 0);
  ASSERT_EQ(loaded->SoundCount(1), 2);
  EXPECT_STREQ(loaded->Read(1, 1), "C:\\B.WAV");
  EXPECT_EQ(loaded->SoundCount(2), 2);
  ASSERT_EQ(loaded->SoundCount(4), 1);
  EXPECT_EQ(loaded->Read(4, 0), long600.substr(0, SoundPathSize - 1));
  EXPECT_EQ(loaded->SoundCount(5), 0);
  EXPECT_EQ(loaded->SoundCount(8), 20);
  EXPECT_STREQ(loaded->Read(8, 19), "C:\\K20.WAV");
  for (int event : {3, 6, 7, 9, 10, 11}) EXPECT_EQ(loaded->SoundCount(event), 0) << event;

  // The next save drops everything that did not load.
  ASSERT_TRUE(SaveSettings(*loaded, SettingsName));
  std::string text = FileText("chimelo.ini");
  EXPECT_EQ(
      text.find("[2]\r\n1=C:\\A.WAV\r\n2=C:\\B.WAV\r\n[3]\r\n1=C:\\X.WAV\r\n2=C:\\Y.WAV\r\n[5]"),
      0u)
      << text;
  for (const char* gone : {"[0]", "[13]", "D.WAV", "Z.WAV", "[6]", "21=", "junk"})
    EXPECT_EQ(text.find(gone), std::string::npos) << gone;
  EXPECT_NE(text.find("20=C:\\K20.WAV\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, ASecondSaveWithFewerSoundsLeavesNoStaleKeys) {
  for (int slot = 0; slot < 5; ++slot)
    sounds.Append(3, ("C:\\" + std::to_string(slot) + ".WAV").c_str());
  sounds.Append(4, "C:\\OTHER.WAV");
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  sounds.RemoveAt(3, 0);
  sounds.RemoveAt(3, 0);
  sounds.RemoveAt(4, 0);
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), "[4]\r\n1=C:\\2.WAV\r\n2=C:\\3.WAV\r\n3=C:\\4.WAV\r\n");
}

// The save writes under a new name of its own: whatever else lies beside
// chimelo.ini is neither in its way nor deleted.
TEST_F(SettingsFileTest, TheSaveNeitherTripsOverNorDeletesOtherFiles) {
  ASSERT_TRUE(CreateDirectoryA("chimelo.ini.new", nullptr));
  WriteFileText("chimelo.ini.new\\mine.txt", "mine");
  WriteFileText("chi1.tmp", "[1]\r\n1=C:\\HALF.WAV\r\n");
  sounds.Append(0, "C:\\NEW.WAV");
  ASSERT_TRUE(SaveSettings(sounds, SettingsName));
  EXPECT_EQ(FileText("chimelo.ini"), "[1]\r\n1=C:\\NEW.WAV\r\n");
  EXPECT_EQ(FileText("chimelo.ini.new\\mine.txt"), "mine");
  EXPECT_EQ(FileText("chi1.tmp"), "[1]\r\n1=C:\\HALF.WAV\r\n");
  EXPECT_EQ(CountFiles("*"), 3);
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadLoadsNothingAndSaysSo) {
  WriteFileText("chimelo.ini", "[1]\r\n1=C:\\KEPT.WAV\r\n");
  // Another program holds it without sharing.
  HANDLE held = CreateFileA("chimelo.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  auto loaded = std::make_unique<SoundTable>();
  loaded->Append(0, "C:\\STALE.WAV");
  EXPECT_FALSE(LoadSettings(*loaded, SettingsName));
  EXPECT_TRUE(loaded->IsEmpty());
  CloseHandle(held);
  EXPECT_TRUE(LoadSettings(*loaded, SettingsName));
  EXPECT_EQ(loaded->SoundCount(0), 1);
}

TEST_F(SettingsFileTest, AFileThatCannotBeReplacedIsKeptWhole) {
  const std::string old = "[1]\r\n1=C:\\OLD.WAV\r\n2=C:\\KEPT.WAV\r\n";
  WriteFileText("chimelo.ini", old);
  // Another program holds the file open, as an editor might.
  HANDLE held = CreateFileA("chimelo.ini", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  sounds.Append(0, "C:\\NEW.WAV");
  EXPECT_FALSE(SaveSettings(sounds, SettingsName));
  CloseHandle(held);
  EXPECT_EQ(FileText("chimelo.ini"), old);
  EXPECT_EQ(CountFiles("*"), 1);
}

// The later events' sections bear Windows' own key names, matched in any
// case, and follow the twelve's numbers in table order; a section of any
// other name is dropped at the save, and a file of the twelve alone is
// written again byte for byte.
TEST_F(SettingsFileTest, TheLaterEventsHaveSectionsOfTheirOwnNamesAfterTheTwelve) {
  const struct {
    const char *file, *saved;
    int event;
    const char* first;
  } cases[] = {
      {"[1]\r\n1=C:\\A.WAV\r\n[12]\r\n1=C:\\B.WAV\r\n",
       "[1]\r\n1=C:\\A.WAV\r\n[12]\r\n1=C:\\B.WAV\r\n", 11, "C:\\B.WAV"},
      {"[windowsunlock]\r\n1=C:\\U.WAV\r\n[EXPLORER\\navigating]\r\n1=C:\\N.WAV\r\n"
       "[3]\r\n1=C:\\C.WAV\r\n",
       "[3]\r\n1=C:\\C.WAV\r\n[Explorer\\Navigating]\r\n1=C:\\N.WAV\r\n"
       "[WindowsUnlock]\r\n1=C:\\U.WAV\r\n",
       27, "C:\\U.WAV"},
      {"[13]\r\n1=C:\\X.WAV\r\n[0]\r\n1=C:\\Y.WAV\r\n[Foo]\r\n1=C:\\Z.WAV\r\n"
       "[.Default]\r\n1=C:\\D.WAV\r\n2=C:\\E.WAV\r\n",
       "[.Default]\r\n1=C:\\D.WAV\r\n2=C:\\E.WAV\r\n", 12, "C:\\D.WAV"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    WriteFileText("chimelo.ini", c.file);
    auto loaded = Loaded();
    EXPECT_STREQ(loaded->Read(c.event, 0), c.first);
    ASSERT_TRUE(SaveSettings(*loaded, SettingsName));
    EXPECT_EQ(FileText("chimelo.ini"), c.saved);
  }
}

}  // namespace
