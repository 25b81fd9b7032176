#include "ChimeloTest.h"

namespace {

using RotationTest = ChimeloTest;

// The first event has two sounds and the third five: the generator's first
// ticks pick slots 1 and 1, then 1 and 1, then 0 and 0.
const char TwoEvents[] =
    "[1]\r\n1=C:\\A0.WAV\r\n2=C:\\A1.WAV\r\n"
    "[3]\r\n1=C:\\C0.WAV\r\n2=C:\\C1.WAV\r\n3=C:\\C2.WAV\r\n4=C:\\C3.WAV\r\n5=C:\\C4.WAV\r\n";

TEST_F(RotationTest, PostedTicksWriteThePredictedPaths) {
  Start(TwoEvents);
  // Only the rotation's own timer rotates.
  e2e::PostTimerTick(dialog, e2e::RotationTimer + 1);
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_FALSE(AnyCurrentWritten());
  const char* expected[][2] = {
      {"C:\\A1.WAV", "C:\\C1.WAV"}, {"C:\\A1.WAV", "C:\\C1.WAV"}, {"C:\\A0.WAV", "C:\\C0.WAV"}};
  for (auto& pair : expected) {
    Tick();
    EXPECT_EQ(Current(0), pair[0]);
    EXPECT_EQ(Current(2), pair[1]);
  }
  EXPECT_FALSE(e2e::DefaultValue(EventKeyTable[1].key).present);
  e2e::RegistryValue value = e2e::DefaultValue(EventKeyTable[0].key);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value.byteCount, 20u);  // in UTF-16, with its NUL
}

// Thirty seconds of real time: the timer was started at set-up, and
// neither minimising nor a No to the close question stops it.
TEST_F(RotationTest, TheRealTimerTicksAfterThirtySecondsWhileMinimisedAndAfterANo) {
  Start(TwoEvents);
  DWORD started = GetTickCount();
  e2e::Click(Control(IDCANCEL));
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(frame) != FALSE; }, 10000));
  PostMessageA(frame, WM_CLOSE, 0, 0);
  HWND question = e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !",
                                         "Do You Really Want To Close Chimelo ?", 10000);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDNO));
  EXPECT_FALSE(AnyCurrentWritten());
  ASSERT_TRUE(e2e::WaitUntil([&] { return !Current(0).empty(); }, 45000)) << "no tick came";
  EXPECT_GE(GetTickCount() - started, 29000u);
  EXPECT_TRUE(IsIconic(frame));
  EXPECT_EQ(Current(0), "C:\\A1.WAV");
  EXPECT_EQ(Current(2), "C:\\C1.WAV");
}

}  // namespace
