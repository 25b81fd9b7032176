// The four editing buttons and the copy from drives that may go away,
// driven as a user would: a walk, a selection, a click, and each message
// box answered by its text. &Save then shows what the table holds.
#include "BrowserTest.h"
#include "Unwritable.h"

namespace {

const char CopyQuestion[] =
    "This Sound Is On a Drive That May Not Be Available Later.\nDo You Want To Copy It Somewhere "
    "On Your Hard Disk ?";
const char CannotCopy[] = "The File Can Not Be Copied !";
const char ReallyRemove[] = "Do You Really Want To Remove This Sound ?";
const char ReallyAddToAll[] =
    "Do You Really Want To Associate This Sound With Everey System Sound ?";

// The section of the event of this number.
std::string Section(int number, const Paths& paths) {
  std::string text = std::string("[") + EventKeyTable[number - 1].section + "]\r\n";
  for (size_t key = 0; key < paths.size(); ++key)
    text += std::to_string(key + 1) + "=" + paths[key] + "\r\n";
  return text;
}

Paths Numbered(int count) {
  Paths paths;
  for (int i = 1; i <= count; ++i) paths.push_back("C:\\S" + std::to_string(i) + ".WAV");
  return paths;
}

struct EditingTest : BrowserTest {
  std::string windows = [] {
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, MAX_PATH);
    return std::string(path);
  }();
  Paths leftInWindows;  // copies the test makes there, deleted at its end
  Paths leftInSounds;

  ~EditingTest() override {
    for (const std::string& name : leftInWindows) DeleteFileA((windows + "\\" + name).c_str());
    for (const std::string& copy : leftInSounds) DeleteFileA(copy.c_str());
  }

  void Click(int button) {
    ASSERT_TRUE(e2e::Click(Control(button)));
    ASSERT_TRUE(e2e::Settle(frame));
  }

  // After every change the list shows the current event's sounds, in slot
  // order, with none selected.
  void ExpectSounds(const Paths& paths) {
    EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)), paths);
    EXPECT_EQ(e2e::ListSelection(Control(IDC_ASSOCIATED_LIST)), -1);
  }

  // The sections of the events from this number on, each holding the path,
  // or, for a toast, its copy in the sounds folder, which goes at the end.
  std::string ToAll(int first, const std::string& path, const std::string& copy) {
    leftInSounds.push_back(UserSoundsFolder() + "\\" + copy);
    std::string sections;
    for (int event = first - 1; event < EventCount; ++event)
      sections += Section(EventNumber(event), {EventKeyTable[event].player == Player::AppPackages
                                                   ? leftInSounds.back()
                                                   : path});
    return sections;
  }

  void ExpectSaved(const std::string& text) {
    Click(IDC_SAVE);
    EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
    EXPECT_EQ(FileText("chimelo.ini"), text);
  }
};

TEST_F(EditingTest, AnAddedSoundIsShownRotatedAndSaved) {
  Put(L"f:\\NEW.WAV");
  Start();
  ClickFiles();
  SelectWav("f:\\\\new.wav");
  Click(IDC_ADD_TO_CURRENT);
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id())) << "a fixed disk: no copy is offered";
  ExpectSounds({"f:\\\\new.wav"});
  Tick();
  EXPECT_EQ(Current(0), "f:\\\\new.wav");
  ExpectSaved(Section(1, {"f:\\\\new.wav"}));
}

TEST_F(EditingTest, TheTwentiethSoundIsTheLastAndNoCopyIsOfferedForMore) {
  Put(L"r:\\X.WAV");
  Start(Section(1, Numbered(19)));
  ChooseDrive('r');
  WaitForWalk();
  SelectWav("r:\\\\x.wav");
  Click(IDC_ADD_TO_CURRENT);
  Answer("Chimelo !", CopyQuestion, IDNO);
  Paths twenty = Numbered(19);
  twenty.push_back("r:\\\\x.wav");
  ExpectSounds(twenty);

  Click(IDC_ADD_TO_CURRENT);
  Answer("Error", "Too Many Sounds !", IDOK);
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  ExpectSounds(twenty);
}

TEST_F(EditingTest, AddToAllAsksFirstSkipsAFullEventAndSaysSoOnce) {
  Put(L"f:\\ALL.WAV");
  const std::string before = Section(1, {"C:\\ONE.WAV"}) + Section(3, Numbered(20));
  Start(before);
  ClickFiles();
  SelectWav("f:\\\\all.wav");
  Click(IDC_ADD_TO_ALL);
  Answer("Chimelo !", ReallyAddToAll, IDNO);
  ExpectSaved(before);

  Click(IDC_ADD_TO_ALL);
  Answer("Chimelo !", ReallyAddToAll, IDYES);
  Answer("Chimelo !", "One Of The System Sounds Already Had Too Many Sounds !", IDOK);
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  ExpectSounds({"C:\\ONE.WAV", "f:\\\\all.wav"});
  std::string after = Section(1, {"C:\\ONE.WAV", "f:\\\\all.wav"}) + Section(2, {"f:\\\\all.wav"}) +
                      Section(3, Numbered(20));
  after += ToAll(4, "f:\\\\all.wav", "all.wav");
  ExpectSaved(after);
}

TEST_F(EditingTest, WithoutASelectedEventAddingAndRemovingSaySo) {
  Put(L"f:\\X.WAV");
  Start(Section(1, {"C:\\ONE.WAV"}));
  ClickFiles();
  SelectWav("f:\\\\x.wav");
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 0));
  // Only code can leave the events list without a selection.
  SendMessageA(Control(IDC_EVENT_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  for (int button : {IDC_ADD_TO_CURRENT, IDC_REMOVE_FROM_CURRENT}) {
    Click(button);
    Answer("Error", "No System Sound Selected !", IDOK);
  }
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)), Paths{"C:\\ONE.WAV"});
}

TEST_F(EditingTest, RemovingTheThirdOfFiveKeepsTheOthersInOrder) {
  Start(Section(1, Numbered(5)));
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 2));
  Click(IDC_REMOVE_FROM_CURRENT);
  Answer("Chimelo !", ReallyRemove, IDNO);
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)), Numbered(5));
  Click(IDC_REMOVE_FROM_CURRENT);
  Answer("Chimelo !", ReallyRemove, IDYES);
  ExpectSounds({"C:\\S1.WAV", "C:\\S2.WAV", "C:\\S4.WAV", "C:\\S5.WAV"});
}

// Every event loses its first copy of the path, matched with the ASCII
// letters folded and nothing else: \xe9 and \xc9 (e acute) stay apart.
TEST_F(EditingTest, RemoveFromAllTakesTheFirstMatchOfEachEventFoldingAsciiOnly) {
  Start(Section(1, {"C:\\Sounds\\Bell.wav", "C:\\Caf\xe9\\a.wav"}) +
        Section(2, {"C:\\SOUNDS\\BELL.WAV", "C:\\Sounds\\Bell.wav"}) +
        Section(3, {"C:\\CAF\xc9\\A.WAV"}) + Section(4, {"C:\\CAF\xe9\\A.WAV"}));
  for (int removal = 0; removal < 2; ++removal) {
    ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_ASSOCIATED_LIST), 0));
    Click(IDC_REMOVE_FROM_ALL);
    Answer("Chimelo !", ReallyRemove, IDYES);
  }
  ExpectSounds({});
  ExpectSaved(Section(2, {"C:\\Sounds\\Bell.wav"}) + Section(3, {"C:\\CAF\xc9\\A.WAV"}));
}

// chimelo.ini could not be read at the start, so it is never written over:
// closing tells the user before the sounds added since are lost.
TEST_F(EditingTest, ClosingWarnsWhenAddedSoundsCannotBeSaved) {
  const std::string kept = Section(1, {"C:\\KEPT.WAV"});
  WriteFileText("chimelo.ini", kept);
  HANDLE held = CreateFileA("chimelo.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Put(L"f:\\NEW.WAV");
  Start();
  CloseHandle(held);
  ClickFiles();
  SelectWav("f:\\\\new.wav");
  Click(IDC_ADD_TO_CURRENT);
  const char warning[] =
      "chimelo.ini Could Not Be Read When Chimelo Started, So Chimelo Does Not Write Over It.\nThe "
      "Sounds You Added Will Be Lost.\nClose Anyway ?";
  for (int answer : {IDNO, IDYES}) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    Answer("Chimelo !", "Do You Really Want To Close Chimelo ?", IDYES);
    HWND box = e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !", warning, 10000);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(e2e::AnswerMessageBox(box, answer));
    if (answer == IDNO) {
      ASSERT_TRUE(e2e::Settle(frame));
      ExpectSounds({"f:\\\\new.wav"});
    }
  }
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(FileText("chimelo.ini"), kept);
}

// On removable, CD-ROM and network drives alike: Cancel adds nothing, No
// adds the sound where it is, Yes copies it into the Windows directory
// under its own name and adds the copy.
TEST_F(EditingTest, ASoundFromADriveThatMayGoIsOfferedACopy) {
  for (char drive : {'r', 'e', 'n'})
    ASSERT_TRUE(e2e::WriteToneWav(std::string(1, drive) + ":\\copy-" + drive + ".wav", 500, 3000));
  Start();
  Paths sounds;
  for (char drive : {'r', 'e', 'n'}) {
    const std::string name = std::string("copy-") + drive + ".wav";
    const std::string source = std::string(1, drive) + ":\\\\" + name;
    leftInWindows.push_back(name);
    ChooseDrive(drive);
    WaitForWalk();
    SelectWav(source);
    Click(IDC_ADD_TO_CURRENT);
    Answer("Chimelo !", CopyQuestion, IDCANCEL);
    ExpectSounds(sounds);
    Click(IDC_ADD_TO_CURRENT);
    Answer("Chimelo !", CopyQuestion, IDNO);
    sounds.push_back(source);
    Click(IDC_ADD_TO_CURRENT);
    Answer("Chimelo !", CopyQuestion, IDYES);
    sounds.push_back(windows + "\\" + name);
    ExpectSounds(sounds);
    EXPECT_EQ(FileText((windows + "\\" + name).c_str()),
              FileText((std::string(1, drive) + ":\\" + name).c_str()));
  }
}

TEST_F(EditingTest, WithAddToAllTheCopyIsOfferedOnceAfterTheQuestion) {
  Put(L"r:\\ONCE.WAV");
  Start();
  ChooseDrive('r');
  WaitForWalk();
  SelectWav("r:\\\\once.wav");
  Click(IDC_ADD_TO_ALL);
  ASSERT_EQ(e2e::FindMessageBox(chimelo->Id(), "Chimelo !", CopyQuestion), nullptr);
  Answer("Chimelo !", ReallyAddToAll, IDYES);
  Answer("Chimelo !", CopyQuestion, IDNO);
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  ExpectSaved(ToAll(1, "r:\\\\once.wav", "once.wav"));
}

// A file of the same name in the Windows directory is never replaced: with
// the same bytes it is taken as the copy, otherwise the copy goes beside it.
TEST_F(EditingTest, AFileOfTheSameNameInTheWindowsDirectoryIsKept) {
  const std::string theirs = windows + "\\theirs.wav", twin = windows + "\\twin.wav";
  leftInWindows = {"theirs.wav", "theirs (2).wav", "twin.wav"};
  WriteFileText(theirs.c_str(), "their own bytes");
  ASSERT_TRUE(e2e::WriteToneWav(twin, 500, 3000));
  ASSERT_TRUE(e2e::WriteToneWav("r:\\theirs.wav", 500, 3000));
  ASSERT_TRUE(e2e::WriteToneWav("r:\\twin.wav", 500, 3000));
  Start();
  ChooseDrive('r');
  WaitForWalk();
  for (const char* source : {"r:\\\\theirs.wav", "r:\\\\twin.wav"}) {
    SelectWav(source);
    Click(IDC_ADD_TO_CURRENT);
    Answer("Chimelo !", CopyQuestion, IDYES);
  }
  ExpectSounds({windows + "\\theirs (2).wav", twin});
  EXPECT_EQ(FileText(theirs.c_str()), "their own bytes");
  EXPECT_EQ(FileText((windows + "\\theirs (2).wav").c_str()), FileText("r:\\theirs.wav"));
}

// The source went with its medium; the copy's path would be too long;
// neither the Windows directory nor the user's sounds folder can be
// written to.
TEST_F(EditingTest, AFileThatCannotBeCopiedIsNotAdded) {
  Put(L"r:\\GONE.WAV");
  Put(L"r:\\" + std::wstring(247, L'w') + L".wav");
  Put(L"r:\\LOCKED.WAV");
  Start();
  ChooseDrive('r');
  WaitForWalk();
  DeleteFileA("r:\\GONE.WAV");
  const std::string sounds = UserSoundsFolder();
  CreateDirectoryA(sounds.substr(0, sounds.rfind('\\')).c_str(), nullptr);
  CreateDirectoryA(sounds.c_str(), nullptr);
  Unwritable windowsUnwritable(windows), soundsUnwritable(sounds);
  const bool made = windowsUnwritable.made && soundsUnwritable.made;
  Paths sources = {"r:\\\\gone.wav", "r:\\\\" + std::string(247, 'w') + ".wav"};
  if (made) sources.push_back("r:\\\\locked.wav");
  for (const std::string& source : sources) {
    SelectWav(source);
    Click(IDC_ADD_TO_CURRENT);
    Answer("Chimelo !", CopyQuestion, IDYES);
    Answer("Chimelo !", CannotCopy, IDOK);
    ExpectSounds({});
  }
  EXPECT_EQ(FileText((windows + "\\locked.wav").c_str()), "<none>");
  EXPECT_EQ(FileText((sounds + "\\locked.wav").c_str()), "<none>");
  if (!made) GTEST_SKIP() << "this file system cannot make a directory unwritable";
}

}  // namespace
