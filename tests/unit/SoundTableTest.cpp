#include "scheme/SoundTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The table is 124 KB: keep it off the test's stack.
struct SoundTableTest : ::testing::Test {
  std::unique_ptr<SoundTable> owner = std::make_unique<SoundTable>();
  SoundTable& sounds = *owner;

  void Fill(int event, int count) {
    for (int i = 0; i < count; ++i)
      ASSERT_TRUE(sounds.Append(event, ("C:\\SOUNDS\\" + std::to_string(i) + ".WAV").c_str()));
  }
};

TEST_F(SoundTableTest, StartsEmptyAndCountsInOrderOfAdding) {
  for (int event = 0; event < EventCount; ++event) EXPECT_EQ(sounds.SoundCount(event), 0);
  ASSERT_TRUE(sounds.Append(3, "C:\\b.wav"));
  ASSERT_TRUE(sounds.Append(3, "C:\\a.wav"));
  EXPECT_EQ(sounds.SoundCount(3), 2);
  EXPECT_STREQ(sounds.Read(3, 0), "C:\\b.wav");
  EXPECT_STREQ(sounds.Read(3, 1), "C:\\a.wav");
  EXPECT_EQ(sounds.SoundCount(2), 0);
  EXPECT_EQ(sounds.SoundCount(4), 0);
}

TEST_F(SoundTableTest, AFullEventRefusesAnAppendAndStaysAsItWas) {
  Fill(11, MaxSoundsPerEvent);
  EXPECT_EQ(sounds.SoundCount(11), 20);
  EXPECT_FALSE(sounds.Append(11, "C:\\ONE-MORE.WAV"));
  EXPECT_EQ(sounds.SoundCount(11), 20);
  EXPECT_STREQ(sounds.Read(11, 19), "C:\\SOUNDS\\19.WAV");
}

TEST_F(SoundTableTest, RemovingSlotZeroOfAFullEventShiftsTheRestDown) {
  Fill(0, MaxSoundsPerEvent);
  sounds.RemoveAt(0, 0);
  EXPECT_EQ(sounds.SoundCount(0), 19);
  for (int slot = 0; slot < 19; ++slot)
    EXPECT_EQ(sounds.Read(0, slot), "C:\\SOUNDS\\" + std::to_string(slot + 1) + ".WAV");
  EXPECT_STREQ(sounds.Read(0, 19), "");
}

TEST_F(SoundTableTest, RemovingFromTheMiddleKeepsTheOrderOfTheOthers) {
  Fill(5, 5);
  sounds.RemoveAt(5, 2);
  ASSERT_EQ(sounds.SoundCount(5), 4);
  EXPECT_STREQ(sounds.Read(5, 0), "C:\\SOUNDS\\0.WAV");
  EXPECT_STREQ(sounds.Read(5, 1), "C:\\SOUNDS\\1.WAV");
  EXPECT_STREQ(sounds.Read(5, 2), "C:\\SOUNDS\\3.WAV");
  EXPECT_STREQ(sounds.Read(5, 3), "C:\\SOUNDS\\4.WAV");
}

TEST_F(SoundTableTest, RemovingTheOnlySoundLeavesNone) {
  Fill(7, 1);
  sounds.RemoveAt(7, 0);
  EXPECT_EQ(sounds.SoundCount(7), 0);
}

TEST_F(SoundTableTest, RemovingPastTheEndChangesNothing) {
  Fill(1, 2);
  sounds.RemoveAt(1, 2);
  sounds.RemoveAt(1, -1);
  EXPECT_EQ(sounds.SoundCount(1), 2);
}

TEST_F(SoundTableTest, APathOf515CharactersFitsAndALongerOneIsRefused) {
  std::string longest(SoundPathSize - 1, 'x');
  ASSERT_TRUE(sounds.Append(2, longest.c_str()));
  EXPECT_EQ(sounds.Read(2, 0), longest);
  EXPECT_FALSE(sounds.Append(2, (longest + "y").c_str()));
  EXPECT_EQ(sounds.SoundCount(2), 1);
  EXPECT_STREQ(sounds.Read(2, 1), "");
  // Counted in UTF-16 units, as Windows counts: an emoji counts two, and 515
  // three-byte characters fill a slot to its last byte.
  std::string han;
  while (han.size() < 3 * longest.size()) han += "\xe9\x90\x98";
  EXPECT_TRUE(sounds.Append(3, ("\xf0\x9f\x94\x94" + longest.substr(2)).c_str()));
  EXPECT_FALSE(sounds.Append(3, ("\xf0\x9f\x94\x94" + longest.substr(1)).c_str()));
  ASSERT_TRUE(sounds.Append(4, han.c_str()));
  EXPECT_EQ(sounds.Read(4, 0), han);
}

TEST_F(SoundTableTest, DuplicatesAreKeptAndPathsAreStoredExactly) {
  ASSERT_TRUE(sounds.Append(4, "c:\\Sounds\\Bell.wav"));
  ASSERT_TRUE(sounds.Append(4, "c:\\Sounds\\Bell.wav"));
  ASSERT_TRUE(sounds.Append(4, "  C:/odd\\..\\PATH.WAV "));
  EXPECT_EQ(sounds.SoundCount(4), 3);
  EXPECT_STREQ(sounds.Read(4, 0), sounds.Read(4, 1));
  EXPECT_STREQ(sounds.Read(4, 2), "  C:/odd\\..\\PATH.WAV ");
}

TEST_F(SoundTableTest, AnEmptyPathIsNeverASound) {
  EXPECT_FALSE(sounds.Append(0, ""));
  EXPECT_EQ(sounds.SoundCount(0), 0);
}

// Only the letters A to Z are folded: é and É stay two letters.
TEST_F(SoundTableTest, FindingIgnoresTheCaseOfAsciiLettersOnly) {
  ASSERT_TRUE(sounds.Append(6, "C:\\Sounds\\Other.wav"));
  ASSERT_TRUE(sounds.Append(6, "C:\\Sounds\\Bell.wav"));
  ASSERT_TRUE(sounds.Append(6, "C:\\SOUNDS\\BELL.WAV"));
  ASSERT_TRUE(sounds.Append(6, "C:\\Caf\xc3\xa9.wav"));
  const struct {
    const char* path;
    int found;
  } cases[] = {
      {"c:\\sounds\\bell.wav", 1},
      {"C:\\SOUNDS\\BELL.WAV", 1},
      {"C:\\Sounds\\Bell.wa", -1},
      {"C:\\Sounds\\Bell.wavx", -1},
      {"C:\\CAF\xc3\xa9.WAV", 3},
      {"C:\\Caf\xc3\x89.wav", -1},
      {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(sounds.FindIgnoringAsciiCase(6, c.path), c.found) << c.path;
  EXPECT_EQ(sounds.FindIgnoringAsciiCase(5, "C:\\Sounds\\Bell.wav"), -1);
}

TEST_F(SoundTableTest, ClearEmptiesEveryEvent) {
  for (int event = 0; event < EventCount; ++event) Fill(event, event % MaxSoundsPerEvent + 1);
  sounds.Clear();
  for (int event = 0; event < EventCount; ++event) EXPECT_EQ(sounds.SoundCount(event), 0);
}

}  // namespace
