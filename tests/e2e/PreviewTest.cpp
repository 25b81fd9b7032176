// Selecting a sound plays it, checked by ear: every test file is a tone of
// its own frequency, and the test session records what Wine plays.
#include "ListeningTest.h"

namespace {

using PreviewTest = ListeningTest;

TEST_F(PreviewTest, SelectingAWavFilePlaysItAndCutsOffTheOneBefore) {
  PutTone("f:\\warm.wav", Middle, 4410);
  PutTone("f:\\long.wav", Low, 3 * 22050);
  PutTone("f:\\short.wav", High);
  Start();
  ClickFiles();
  WarmUp();

  capture.Mark();
  SelectWav("f:\\\\long.wav");
  EXPECT_EQ(Heard(800), Tones{Low});
  capture.Mark();
  SelectWav("f:\\\\short.wav");
  EXPECT_EQ(Heard(800, 400), Tones{High}) << "the long tone goes on";
}

TEST_F(PreviewTest, SelectingAnAssociatedSoundPlaysItAndAMissingOneNothing) {
  PutTone("f:\\warm.wav", Middle, 4410);
  PutTone("f:\\tone.wav", Higher);
  Start("[1]\r\n1=f:\\tone.wav\r\n2=f:\\gone.wav\r\n");
  ClickFiles();
  WarmUp();

  capture.Mark();
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 1));
  EXPECT_EQ(Heard(800), Tones{});
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  capture.Mark();
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 0));
  EXPECT_EQ(Heard(800), Tones{Higher});
}

TEST_F(PreviewTest, OnlyAFileOfMoreThanAMillionBytesIsAskedAbout) {
  const char question[] = "This Is A Long Sound File.\nDo You Still Want To Listen To It ?";
  PutTone("f:\\warm.wav", Middle, 4410);
  PutTone("f:\\million.wav", Low, 1000000);
  PutTone("f:\\over.wav", High, 1000001);
  Start();
  ClickFiles();
  WarmUp();

  capture.Mark();
  SelectWav("f:\\\\million.wav");
  EXPECT_EQ(Heard(800), Tones{Low});
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));

  SelectWav("f:\\\\over.wav");
  HWND box = e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !", question, 10000);
  ASSERT_NE(box, nullptr);
  capture.Mark();
  ASSERT_TRUE(e2e::AnswerMessageBox(box, IDNO));
  EXPECT_EQ(Heard(800), Tones{Low}) << "No plays nothing new";

  SelectWav("f:\\\\over.wav");
  box = e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !", question, 10000);
  ASSERT_NE(box, nullptr);
  capture.Mark();
  ASSERT_TRUE(e2e::AnswerMessageBox(box, IDYES));
  EXPECT_EQ(Heard(800, 400), Tones{High});
}

}  // namespace
