#include "ChimeloTest.h"
#include "Unwritable.h"

namespace {

using ClosingTest = ChimeloTest;

const char Question[] = "Do You Really Want To Close Chimelo ?";

// Gaps, stray sections and stray keys: what loads is only the first two
// sounds of the first event and the one of the fourth.
const char Untidy[] =
    "[1]\r\n1=C:\\A.WAV\r\n2=C:\\B.WAV\r\n4=C:\\GAP.WAV\r\n"
    "[13]\r\n1=C:\\STRAY.WAV\r\n"
    "[4]\r\n1=C:\\D.WAV\r\n21=C:\\KEY21.WAV\r\n";
const char Tidied[] = "[1]\r\n1=C:\\A.WAV\r\n2=C:\\B.WAV\r\n[4]\r\n1=C:\\D.WAV\r\n";

HWND WaitForQuestion(const e2e::ChimeloProcess& chimelo) {
  return e2e::WaitForMessageBox(chimelo.Id(), "Chimelo !", Question, 10000);
}

TEST_F(ClosingTest, EscapeAndTheCancelButtonMinimiseWithoutAsking) {
  Start();
  e2e::PressEscape(Control(IDC_EVENT_LIST));
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(frame) != FALSE; }, 10000));
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));

  SendMessageA(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(frame) == FALSE; }, 10000));
  e2e::Click(Control(IDCANCEL));
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(frame) != FALSE; }, 10000));
  EXPECT_TRUE(chimelo->Running());
}

TEST_F(ClosingTest, AltF4AsksAndNoKeepsEverything) {
  Start("[1]\r\n1=C:\\A.WAV\r\n");
  e2e::SelectListEntry(Control(IDC_EVENT_LIST), 0);
  e2e::PressAltF4(Control(IDC_EVENT_LIST));
  HWND question = WaitForQuestion(*chimelo);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDNO));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_TRUE(IsWindowVisible(frame));
  EXPECT_EQ(e2e::ListItemData(Control(IDC_EVENT_LIST)).size(), size_t(EventCount));
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)),
            std::vector<std::string>{"C:\\A.WAV"});
  EXPECT_EQ(FileText("chimelo.ini"), "[1]\r\n1=C:\\A.WAV\r\n");
  Tick();
  EXPECT_EQ(Current(0), "C:\\A.WAV");
}

TEST_F(ClosingTest, ACustomControlLibraryInTheWorkingDirectoryIsNeverLoaded) {
  std::string library = ProgramPath("fake-bwcc\\BWCC32.dll");
  HMODULE probe = LoadLibraryA(library.c_str());
  ASSERT_NE(probe, nullptr);
  ASSERT_NE(GetProcAddress(probe, "BWCCMessageBox"), nullptr)
      << "the stand-in would be used if loaded";
  FreeLibrary(probe);
  ASSERT_TRUE(CopyFileA(library.c_str(), (directory.Path() + "\\BWCC32.DLL").c_str(), FALSE));

  Start();
  e2e::PressAltF4(Control(IDC_EVENT_LIST));
  HWND question = WaitForQuestion(*chimelo);
  ASSERT_NE(question, nullptr) << "the question went through the stand-in";
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDNO));
  EXPECT_TRUE(chimelo->Running());
}

// Another program holds chimelo.ini without sharing while Chimelo starts:
// Chimelo starts without sounds, and never writes that table over the file.
TEST_F(ClosingTest, ASettingsFileThatCouldNotBeReadIsNeverWrittenOver) {
  WriteFileText("chimelo.ini", Untidy);
  HANDLE held = CreateFileA("chimelo.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Start();
  CloseHandle(held);
  EXPECT_TRUE(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)).empty());
  ASSERT_TRUE(e2e::Click(Control(IDC_SAVE)));
  HWND notice = e2e::WaitForMessageBox(
      chimelo->Id(), "Error",
      "chimelo.ini Could Not Be Read When Chimelo Started.\nChimelo Does Not Write Over It, So "
      "That The Sounds In It Are Kept.",
      10000);
  ASSERT_NE(notice, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(notice, IDOK));
  PostMessageA(frame, WM_CLOSE, 0, 0);
  HWND question = WaitForQuestion(*chimelo);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDYES));
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(FileText("chimelo.ini"), Untidy);
}

TEST_F(ClosingTest, ASaveThatFailsSaysSo) {
  Start(Untidy);
  // Another program holds the file open: it cannot be replaced.
  HANDLE held = CreateFileA("chimelo.ini", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(e2e::Click(Control(IDC_SAVE)));
  HWND notice = e2e::WaitForMessageBox(chimelo->Id(), "Error",
                                       "The Sounds Could Not Be Saved In chimelo.ini !", 10000);
  CloseHandle(held);
  ASSERT_NE(notice, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(notice, IDOK));
  EXPECT_EQ(FileText("chimelo.ini"), Untidy);
}

// chimelo.ini's folder cannot be written, as in a protected place. With
// nothing changed the file still holds the sounds, and the close asks
// nothing more. After a change it asks before the change is lost: No keeps
// the window, and once the folder can be written again, the next close
// saves.
TEST_F(ClosingTest, AChangeThatCannotBeSavedAtCloseIsAskedAbout) {
  const std::string both = "[1]\r\n1=C:\\A.WAV\r\n2=C:\\B.WAV\r\n";
  Start(both);
  {
    Unwritable unwritable(directory.Path());
    if (!unwritable.made) GTEST_SKIP() << "this file system cannot make a directory unwritable";
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::AnswerMessageBox(WaitForQuestion(*chimelo), IDYES));
    ASSERT_TRUE(chimelo->WaitForExit(15000)) << "a second question was asked";
  }
  EXPECT_EQ(FileText("chimelo.ini"), both);

  Start();
  Unwritable unwritable(directory.Path());
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 0));
  ASSERT_TRUE(e2e::Click(Control(IDC_REMOVE_FROM_CURRENT)));
  Answer("Chimelo !", "Do You Really Want To Remove This Sound ?", IDYES);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  Answer("Chimelo !", Question, IDYES);
  Answer("Chimelo !", "The Sounds Could Not Be Saved In chimelo.ini !\nClose Anyway ?", IDNO);
  EXPECT_TRUE(IsWindowVisible(frame));
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)),
            std::vector<std::string>{"C:\\B.WAV"});
  EXPECT_EQ(FileText("chimelo.ini"), both);

  unwritable.Writable();
  PostMessageA(frame, WM_CLOSE, 0, 0);
  ASSERT_TRUE(e2e::AnswerMessageBox(WaitForQuestion(*chimelo), IDYES));
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(FileText("chimelo.ini"), "[1]\r\n1=C:\\B.WAV\r\n");
}

TEST_F(ClosingTest, YesWritesTheSettingsTidiedEvenWhenNothingChanged) {
  Start(Untidy);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  HWND question = WaitForQuestion(*chimelo);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDYES));
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(chimelo->ExitCode(), 0u);
  EXPECT_EQ(FileText("chimelo.ini"), Tidied);
}

TEST_F(ClosingTest, EnterDoesNothing) {
  Start("[1]\r\n1=C:\\A.WAV\r\n");
  for (int id : {IDC_EVENT_LIST, IDC_ASSOCIATED_LIST}) {
    // A click into the list gives it the focus, as a user's click does.
    PostMessageA(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(Control(id), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(e2e::Settle(frame));
    ASSERT_EQ(e2e::FocusWindow(nullptr), Control(id));
    e2e::PressEnter(Control(id));
    ASSERT_TRUE(e2e::Settle(frame));
  }
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)),
            std::vector<std::string>{"C:\\A.WAV"});
  Tick();
  EXPECT_EQ(Current(0), "C:\\A.WAV");
}

// What the system does at log-off: it asks whether the session may end,
// says that it ends, and then ends the process without destroying windows.
TEST_F(ClosingTest, TheEndOfTheSessionSavesWithoutAsking) {
  Start(Untidy);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                  10000, &answer));
  EXPECT_TRUE(answer);
  ASSERT_TRUE(SendMessageTimeoutA(frame, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                  10000, &answer));
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  EXPECT_EQ(FileText("chimelo.ini"), Tidied);
  EXPECT_TRUE(chimelo->WaitForExit(15000)) << "it ends by itself, before the system ends it";
}

}  // namespace
