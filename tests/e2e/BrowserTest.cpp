// The WAV browser: &Files, the drive selector and the walk.
#include "BrowserTest.h"

namespace {

const char Untidy[] = "[1]\r\n1=C:\\A.WAV\r\n4=C:\\GAP.WAV\r\n";
const char Tidied[] = "[1]\r\n1=C:\\A.WAV\r\n";

TEST_F(BrowserTest, FilesUnfoldsAndWalksThenFoldsAndUnfoldsWithoutWalking) {
  Put(L"f:\\DING.WAV");
  Put(L"f:\\MEDIA\\DING.WAV");
  Put(L"f:\\NOTES.TXT");
  Put(L"f:\\HIDDEN.WAV");
  SetFileAttributesW(L"f:\\HIDDEN.WAV", FILE_ATTRIBUTE_HIDDEN);
  Put(L"f:\\SECRET\\IN.WAV");
  SetFileAttributesW(L"f:\\SECRET", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
  Start();
  EXPECT_FALSE(e2e::Shows(Control(IDC_WAV_LIST)));

  ClickFiles();
  EXPECT_EQ(FrameSize().cx, 731);
  EXPECT_EQ(FrameSize().cy, 388);
  EXPECT_TRUE(e2e::Shows(Control(IDC_WAV_LIST)));
  // The root as the system reports it, then a backslash: two in a root.
  const Paths found = {"f:\\MEDIA\\ding.wav", "f:\\SECRET\\in.wav", "f:\\\\ding.wav"};
  EXPECT_EQ(Listed(), found);
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  SaveScreenshot("browser");

  Put(L"f:\\LATER.WAV");
  ClickFiles();
  EXPECT_EQ(FrameSize().cx, 418);
  EXPECT_EQ(FrameSize().cy, 388);
  EXPECT_FALSE(e2e::Shows(Control(IDC_WAV_LIST)));
  ClickFiles();
  EXPECT_EQ(FrameSize().cx, 731);
  EXPECT_EQ(Listed(), found);
}

// Every entry opens the very file the walk found, under its real name in
// any script, with no look-alike: names that opening would cut short and
// paths over 255 UTF-16 units are left out, and a link back up the tree is
// not followed. What "*.wav" finds through a short name, as Windows does, is
// listed.
TEST_F(BrowserTest, TheListHoldsOnlyPathsThatOpenTheFileFound) {
  const std::wstring deep = L"f:\\" + std::wstring(200, L'd'), bell = L"\xd83d\xdd14";
  const std::wstring inRoot[] = {L"a.wav",
                                 L"\x0101.wav",
                                 L"\x00e4.wav",
                                 L"e\x0301.wav",
                                 L"x.wave",
                                 L"\x039a\x03bf\x03c5\x03b4\x03bf\x03cd\x03bd\x03b9.wav",  // Greek
                                 L"\x0417\x0432\x043e\x043d\x043e\x043a.wav",  // Cyrillic
                                 L"\x94c3\x58f0.wav",
                                 bell + L".wav"};  // Chinese, an emoji
  Paths expected;
  for (const std::wstring& name : inRoot) {
    Put(L"f:\\" + name);
    expected.push_back("f:\\\\" + e2e::Utf8(name));
  }
  for (const std::wstring& path :
       {deep + L"\\short.wav", deep + L"\\" + bell + std::wstring(45, L'n') + L".wav"}) {  // 255
    Put(path);
    expected.push_back(e2e::Utf8(path));
  }
  std::sort(expected.begin(), expected.end());
  Put(L"\\\\?\\f:\\a.wav ");
  Put(deep + L"\\" + bell + std::wstring(46, L'm') + L".wav");                     // 256
  const std::wstring deeper = L"\\\\?\\" + deep + L"\\" + std::wstring(53, L'e');  // 257
  Put(deeper + L"\\x.wav");
  Start();
  ClickFiles();
  EXPECT_EQ(Listed(), expected);

  ChooseDrive('l');
  WaitForWalk();
  EXPECT_EQ(Listed(), Paths{"l:\\sub\\ring.wav"});
}

// The filter narrows the list as it is typed to the rows that hold every
// word, in any case and any script; Escape there shows every row again. Add
// To Current takes the row chosen in the narrowed list.
TEST_F(BrowserTest, TheFilterKeepsTheRowsHoldingEveryWordTyped) {
  const std::wstring bell = L"\x039a\x039f\x03a5\x0394\x039f\x03a5\x039d\x0399\\ring.wav";  // Greek
  for (std::wstring path : {std::wstring(L"Bells\\ring.wav"), std::wstring(L"BELL.WAV"),
                            std::wstring(L"doorbell\\x.wav"), std::wstring(L"ring.wav"), bell})
    Put(L"f:\\" + path);
  Start();
  ClickFiles();
  const Paths all = Listed();
  ASSERT_TRUE(e2e::Type(frame, {{'I', true}}) && e2e::TypeText(frame, L"bell"));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_EQ(Listed(), (Paths{"f:\\Bells\\ring.wav", "f:\\\\bell.wav", "f:\\doorbell\\x.wav"}));
  SaveScreenshot("filtered");
  ASSERT_TRUE(e2e::TypeText(frame, L" ring") && e2e::Settle(frame));
  EXPECT_EQ(Listed(), Paths{"f:\\Bells\\ring.wav"});
  ASSERT_TRUE(e2e::Type(frame, {{VK_ESCAPE}}) && e2e::Settle(frame));
  EXPECT_EQ(Listed(), all);
  EXPECT_EQ(SendMessageW(Control(IDC_FILTER), WM_GETTEXTLENGTH, 0, 0), 0);
  ASSERT_TRUE(e2e::TypeText(frame, L"\x03ba\x03bf\x03c5\x03b4 RING") && e2e::Settle(frame));
  const Paths greek = {"f:\\" + e2e::Utf8(bell)};
  ASSERT_EQ(Listed(), greek);
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_WAV_LIST), 0) &&
              e2e::Click(Control(IDC_ADD_TO_CURRENT)) && e2e::Settle(frame));
  EXPECT_EQ(e2e::ListStrings(Control(IDC_ASSOCIATED_LIST)), greek);
}

TEST_F(BrowserTest, ADriveWithNothingToListEndsEmptyWithoutAWord) {
  // A drive whose medium goes after Chimelo has listed the drives.
  const std::string missing = screenshots_ + "\\..\\wine\\drives\\missing";
  ASSERT_TRUE(CreateDirectoryA(missing.c_str(), nullptr));
  Put(L"r:\\EMPTY\\NOTES.TXT");
  Start();
  ASSERT_TRUE(RemoveDirectoryA(missing.c_str()));
  for (char drive : {'r', 'm'}) {
    ChooseDrive(drive);
    WaitForWalk();
    EXPECT_TRUE(Listed().empty()) << drive;
    EXPECT_EQ(FrameSize().cx, 731) << drive;
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_SAVE))) << drive;
    EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id())) << drive;
  }
}

TEST_F(BrowserTest, CancelStopsTheWalkAndKeepsWhatItFound) {
  Start(Untidy);
  ChooseDrive('b');
  ASSERT_TRUE(e2e::WaitUntil([&] { return Walking() && ListedCount() > 0; }, 30000));
  ASSERT_TRUE(e2e::Click(Control(IDCANCEL)));
  WaitForWalk();
  const LRESULT found = ListedCount();
  EXPECT_GT(found, 0);
  EXPECT_LT(found, 2000);
  EXPECT_EQ(FrameSize().cx, 731);
  EXPECT_FALSE(IsIconic(frame));
  // The walk put the current directory back: the settings go where they were.
  ASSERT_TRUE(e2e::Click(Control(IDC_SAVE)));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_EQ(FileText("chimelo.ini"), Tidied);

  ClickFiles();
  EXPECT_EQ(ListedCount(), 2000);
  ASSERT_TRUE(e2e::Click(Control(IDCANCEL)));
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(frame) != FALSE; }, 10000));
}

TEST_F(BrowserTest, AnotherDriveIsWalkedAtOnceEvenWhenFolded) {
  Put(L"f:\\F.WAV");
  Put(L"r:\\R.WAV");
  Start();
  ClickFiles();
  ClickFiles();
  ASSERT_EQ(FrameSize().cx, 418);
  ChooseDrive('r');
  WaitForWalk();
  EXPECT_EQ(FrameSize().cx, 731);
  EXPECT_EQ(Listed(), Paths{"r:\\\\r.wav"});
}

TEST_F(BrowserTest, TheRotationGoesOnDuringALongWalk) {
  Start("[1]\r\n1=C:\\A.WAV\r\n");
  ChooseDrive('b');
  ASSERT_TRUE(e2e::WaitUntil([&] { return Walking() && ListedCount() > 0; }, 30000));
  e2e::PostTimerTick(dialog, e2e::RotationTimer);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !Current(0).empty(); }, 10000));
  EXPECT_TRUE(Walking()) << "the tick came only after the walk";
  WaitForWalk();
  EXPECT_EQ(ListedCount(), 2000);
}

// The walk stops, and the settings, changed before the walk, are written
// in the directory Chimelo started in, not in the one being walked.
TEST_F(BrowserTest, YesToTheCloseQuestionDuringAWalkSavesWhereChimeloStarted) {
  Put(L"f:\\SUB\\B.WAV");
  Start("[1]\r\n1=C:\\GONE.WAV\r\n2=C:\\A.WAV\r\n");
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 0));
  ASSERT_TRUE(e2e::Click(Control(IDC_REMOVE_FROM_CURRENT)));
  Answer("Chimelo !", "Do You Really Want To Remove This Sound ?", IDYES);
  ASSERT_TRUE(e2e::Click(Control(IDC_FILES)));
  PostMessageA(frame, WM_CLOSE, 0, 0);  // comes at the walk's first entry
  HWND question = e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !",
                                         "Do You Really Want To Close Chimelo ?", 10000);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(Walking());
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDYES));
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(chimelo->ExitCode(), 0u);
  EXPECT_EQ(FileText("chimelo.ini"), Tidied);
  EXPECT_EQ(FileText("f:\\chimelo.ini"), "<none>");
}

TEST_F(BrowserTest, TheEndOfTheSessionDuringAWalkSavesWhereChimeloStarted) {
  Start(Untidy);
  ChooseDrive('b');
  ASSERT_TRUE(e2e::WaitUntil([&] { return Walking() && ListedCount() > 0; }, 30000));
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                  10000, &answer));
  ASSERT_TRUE(SendMessageTimeoutA(frame, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                  10000, &answer));
  EXPECT_EQ(FileText("chimelo.ini"), Tidied);
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(chimelo->ExitCode(), 0u);
}

}  // namespace
