// The WAV list's order and filter, and how a batch of added sounds is
// told apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scheme/ListedSounds.h"
#include "scheme/SoundBatch.h"

namespace {

std::vector<std::string> Shown(const ListedSounds& rows) {
  std::vector<std::string> shown;
  for (int index = 0; index < rows.ShownCount(); ++index) shown.push_back(rows.Shown(index));
  return shown;
}

std::vector<std::string> Names(const NameList& list) {
  std::vector<std::string> names;
  for (const char* name = list.First(); name; name = list.Next(name)) names.push_back(name);
  return names;
}

// Rows come as a walk finds them, in several merges; the lowered forms are
// the caller's, Greek included.
TEST(ListedSoundsTest, RowsAreOrderedByTheirLoweredFormAndShownWhenTheyHoldEveryWord) {
  ListedSounds rows;
  rows.Add("c:\\Ring\\Bell.wav", "c:\\ring\\bell.wav");
  rows.Add("c:\\\\b.wav", "c:\\\\b.wav");
  rows.Merge();
  rows.SetFilter("  bell   ring ");
  rows.Add("c:\\BELL.wav", "c:\\bell.wav");
  rows.Add("c:\\\xce\x9a\xce\xbf.wav", "c:\\\xce\xba\xce\xbf.wav");
  rows.Add("c:\\ring\\bell.wav", "c:\\ring\\bell.wav");
  rows.Merge();
  EXPECT_EQ(Shown(rows), (std::vector<std::string>{"c:\\Ring\\Bell.wav", "c:\\ring\\bell.wav"}));
  EXPECT_EQ(rows.FindShown("c:\\ring\\bell.wav"), 1);
  EXPECT_EQ(rows.FindShown("c:\\BELL.wav"), -1);
  rows.SetFilter("\xce\xba");
  EXPECT_EQ(Shown(rows), std::vector<std::string>{"c:\\\xce\x9a\xce\xbf.wav"});
  rows.SetFilter(" ");
  EXPECT_EQ(Shown(rows), (std::vector<std::string>{"c:\\\\b.wav", "c:\\BELL.wav",
                                                   "c:\\Ring\\Bell.wav", "c:\\ring\\bell.wav",
                                                   "c:\\\xce\x9a\xce\xbf.wav"}));
  EXPECT_EQ(rows.Shown(5), nullptr);
}

TEST(SoundBatchTest, SoundsAreAddedWhileThereIsRoomAndTheRestNamed) {
  SoundBatch batch(3);
  const std::string tooLong = "c:\\" + std::string(512, 'x') + ".wav";  // 516 units
  for (const char* path : {"c:\\a.wav", "c:\\notes.txt", "d:\\B.WAV", tooLong.c_str(),
                           "c:\\song.MP3", "c:\\x.wave", "c:\\wav"})
    batch.Take(path);
  EXPECT_EQ(Names(batch.added),
            (std::vector<std::string>{"c:\\a.wav", "d:\\B.WAV", "c:\\song.MP3"}));
  EXPECT_EQ(Names(batch.refused[SoundBatch::NoRoom]), std::vector<std::string>{"c:\\x.wave"});
  EXPECT_EQ(Names(batch.refused[SoundBatch::LeftOut]),
            (std::vector<std::string>{"c:\\notes.txt", tooLong, "c:\\wav"}));
  // One message names them all, each under why.
  std::vector<char> message(4096);
  DescribeBatch(batch, message.data(), static_cast<int>(message.size()));
  EXPECT_EQ(message.data(),
            "Too Many Sounds ! These Were Not Added :\nx.wave\n\n"
                "Only Sound Files Can Be Added. These Were Left Out :\nnotes.txt\n" +
                std::string(512, 'x') + ".wav\nwav");

  NameList twelve;
  for (int file = 1; file <= 12; ++file) twelve.Add(("f:\\d\\" + std::to_string(file)).c_str());
  char text[64];
  NameFiles(twelve, text, sizeof text);
  EXPECT_STREQ(text, "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\nAnd 2 More");
  NameFiles(twelve, text, 8);  // a name that does not fit is left out whole
  EXPECT_STREQ(text, "1\n2\n3\n4");
}

}  // namespace
