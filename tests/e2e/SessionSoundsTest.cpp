// Since Windows 8 the system plays neither Start Windows nor Exit Windows:
// Chimelo plays them there, and only there. Each of the two events' current
// sounds is a tone of its own, set in the scheme as a tick would leave it.
#include "ListeningTest.h"
#include "ReportedWindows.h"

namespace {

const int StartEvent = 4, ExitEvent = 5;
const double StartTone = ListeningTest::High, ExitTone = ListeningTest::Low;
const long Second = 22050;  // bytes of a tone file a second

// A gap that the save closes: chimelo.ini changes when it is written.
const char Gapped[] = "[1]\r\n1=C:\\A.WAV\r\n3=C:\\GAP.WAV\r\n";
const char Saved[] = "[1]\r\n1=C:\\A.WAV\r\n";

struct SessionSoundsTest : ListeningTest {
  void SetUp() override {
    ListeningTest::SetUp();
    PutTone("f:\\start.wav", StartTone, Second / 2);
    PutTone("f:\\exit.wav", ExitTone, Second);
    SetCurrent(StartEvent, "f:\\start.wav");
    SetCurrent(ExitEvent, "f:\\exit.wav");
  }

  static void SetCurrent(int event, const std::string& path) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, EventKeyTable[event].key, nullptr, REG_SZ,
                              path.c_str(), static_cast<DWORD>(path.size() + 1)),
              ERROR_SUCCESS);
  }

  static std::string Wineboot() {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\wineboot.exe";
  }

  // Ends the session as a log-off does, and returns how long that took, in
  // seconds: as long as the programs held it.
  double EndSession() {
    const DWORD start = GetTickCount();
    EXPECT_EQ(e2e::RunToTheEnd("wineboot.exe --end-session"), 0);
    return (GetTickCount() - start) / 1000.0;
  }

  static double Length(const e2e::Span& span) { return span.to - span.from; }
};

TEST_F(SessionSoundsTest, StartedAtSignInChimeloPlaysTheStartSoundOnce) {
  ReportedWindows windows10("win10");
  capture.Mark();
  const DWORD begun = GetTickCount();
  Start("", "/signin");
  const std::vector<short> samples = capture.After(GetTickCount() - begun + 2000);
  const std::vector<e2e::Span> start = e2e::ToneSpans(samples, StartTone);
  ASSERT_EQ(start.size(), 1u);
  EXPECT_NEAR(Length(start[0]), 0.5, 0.15);
}

// By hand: from the Start menu, a double click or a second start while the
// sign-in start runs.
TEST_F(SessionSoundsTest, AStartByHandAndASecondStartPlayNothing) {
  ReportedWindows windows10("win10");
  capture.Mark();
  Start();
  EXPECT_EQ(Heard(5000), Tones{});
  capture.Mark();
  ScratchDirectory elsewhere;
  e2e::ChimeloProcess second(ProgramPath(), elsewhere.Path(), "/signin");
  ASSERT_TRUE(second.WaitForExit(10000));
  EXPECT_EQ(Heard(2000), Tones{});
}

// The tone is heard only once chimelo.ini has been written, and then to its
// end; the session's end is held while it plays.
TEST_F(SessionSoundsTest, TheSessionsEndSavesThenPlaysTheExitSoundToItsEnd) {
  ReportedWindows windows10("win10");
  Start(Gapped);
  capture.Mark();
  e2e::ChimeloProcess wineboot(Wineboot(), directory.Path(), "--end-session");
  const DWORD start = GetTickCount();
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return !e2e::ToneSpans(capture.After(GetTickCount() - start), ExitTone).empty(); },
      10000));
  EXPECT_EQ(FileText("chimelo.ini"), Saved) << "the exit sound came before the save";
  ASSERT_TRUE(wineboot.WaitForExit(15000));
  const std::vector<e2e::Span> exit = e2e::ToneSpans(capture.After(3000), ExitTone);
  ASSERT_EQ(exit.size(), 1u);
  EXPECT_NEAR(Length(exit[0]), 1.0, 0.15);
  EXPECT_TRUE(chimelo->WaitForExit(15000));
}

// The session's end is timed without a sound first, then with the long one,
// in the same run: what the long one adds is its hold alone, cut a little
// before 10 s, and never more than half a second past them.
TEST_F(SessionSoundsTest, ALongExitSoundIsCutAtTenSecondsAndAMissingOneHoldsNothing) {
  ReportedWindows windows10("win10");
  PutTone("f:\\long.wav", ExitTone, 30 * Second);
  const struct {
    const char* sound;
    double heard, least, most;  // seconds: heard, and added to the end without a sound
  } cases[] = {{"f:\\gone.wav", 0, 0, 3}, {"f:\\long.wav", 10, 9.5, 10.5}};
  double withoutSound = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sound);
    SetCurrent(ExitEvent, c.sound);
    Start();
    capture.Mark();
    const double end = EndSession();
    EXPECT_GE(end - withoutSound, c.least);
    EXPECT_LE(end - withoutSound, c.most) << "held past the limit";
    const std::vector<e2e::Span> exit = e2e::ToneSpans(capture.After(12000), ExitTone);
    EXPECT_NEAR(exit.empty() ? 0 : Length(exit[0]), c.heard, 0.3);
    ASSERT_TRUE(chimelo->WaitForExit(15000));
    if (c.heard == 0) withoutSound = end;
  }
}

// Restarted after an installer or an update closed it minimised, Chimelo
// comes back minimised, and plays no start sound.
TEST_F(SessionSoundsTest, ARestartOfAMinimisedChimeloComesBackMinimisedAndSilent) {
  ReportedWindows windows10("win10");
  capture.Mark();
  Start("", "/minimized");
  EXPECT_TRUE(IsIconic(frame));
  EXPECT_EQ(Heard(3000), Tones{});
}

// Exit Windows is the system's exit, not Chimelo's: neither a close
// answered Yes nor one by an installer (ENDSESSION_CLOSEAPP, while the
// session goes on) plays it. The installer's close saves and holds nothing.
TEST_F(SessionSoundsTest, ACloseAnsweredYesOrByAnInstallerPlaysNoExitSound) {
  ReportedWindows windows10("win10");
  for (bool byInstaller : {false, true}) {
    SCOPED_TRACE(byInstaller ? "by an installer" : "answered Yes");
    Start(Gapped);
    capture.Mark();
    if (byInstaller) {
      DWORD_PTR answer = 0;  // each within a second
      for (UINT message : {WM_QUERYENDSESSION, WM_ENDSESSION})
        ASSERT_TRUE(SendMessageTimeoutA(frame, message, message == WM_ENDSESSION,
                                        ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 1000, &answer));
      EXPECT_EQ(FileText("chimelo.ini"), Saved);
    } else {
      PostMessageA(frame, WM_CLOSE, 0, 0);
      Answer("Chimelo !", "Do You Really Want To Close Chimelo ?", IDYES);
    }
    ASSERT_TRUE(chimelo->WaitForExit(15000));
    EXPECT_EQ(Heard(2000), Tones{});
  }
}

// Windows 7 plays what it still plays itself: a second sound would be wrong.
TEST_F(SessionSoundsTest, OnWindows7NeitherTheSignInNorTheSessionsEndPlaysAnything) {
  capture.Mark();
  Start(Gapped, "/signin");
  EXPECT_EQ(Heard(3000), Tones{});
  capture.Mark();
  EXPECT_LE(EndSession(), 3);
  EXPECT_EQ(Heard(2000), Tones{});
  EXPECT_EQ(FileText("chimelo.ini"), Saved);
}

}  // namespace
