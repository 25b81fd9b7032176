// Many sounds at once: through the Open dialog, dropped from Explorer, and
// found by the walk of one folder. The common dialogs are the system's own,
// typed into as a user would.
#include "BrowserTest.h"

namespace {

const char Caption[] = "Chimelo !";
const char MayGo[] =
    "Some Of These Sounds Are On a Drive That May Not Be Available Later.\n"
    "Do You Want To Copy Them Somewhere On Your Hard Disk ?";

std::string Section(int number, const Paths& paths) {
  std::string text = "[" + std::to_string(number) + "]\r\n";
  for (size_t k = 0; k < paths.size(); ++k) text += std::to_string(k + 1) + "=" + paths[k] + "\r\n";
  return text;
}

struct AddingTest : BrowserTest {
  Paths Sounds() const { return e2e::ListStrings(Control(IDC_ASSOCIATED_LIST)); }

  // Each line typed into the dialog of this name, then the key, once the
  // line before has been handled; the last one closes the dialog.
  void TypeInto(const char* name, std::initializer_list<std::wstring> lines, WORD key = VK_RETURN) {
    HWND box = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(box = FindWindowA(0, name)); }, 15000));
    for (const std::wstring& line : lines) {
      ASSERT_TRUE(e2e::TypeText(box, line) && e2e::PressTogether(box, {key}));
      ASSERT_TRUE(e2e::Settle(frame));
    }
    EXPECT_FALSE(IsWindowVisible(box)) << name;
  }

  // Where a user drops on a list's row, in the dialog's client area.
  POINT At(int list, int row) const {
    RECT rect = {};
    SendMessageW(Control(list), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    POINT point = {rect.left + 9, (rect.top + rect.bottom) / 2};
    MapWindowPoints(Control(list), dialog, &point, 1);
    return point;
  }
};

// The Open dialog opens from the sounds list by Insert, and by its context
// menu from Shift+F10, the menu key and a right click, in the folder of the
// event's last sound. The files chosen join the selected event in the order
// chosen while there is room, and a batch from a drive that may go is asked
// about once.
TEST_F(AddingTest, TheOpenDialogAddsTheChosenSoundsInOrderWhileThereIsRoom) {
  for (auto path : {L"f:\\pick\\a.wav", L"f:\\pick\\b.wav", L"f:\\pick\\c.wav", L"r:\\far1.wav",
                    L"r:\\far2.wav"})
    Put(path);
  Paths first = {"f:\\pick\\old.wav"}, second(18, "C:\\S.WAV");
  Start(Section(1, first) + Section(2, second));
  ASSERT_TRUE(e2e::Type(frame, {{VK_TAB}, {VK_INSERT}}));
  TypeInto("Add Sounds", {L"\"c.wav\" \"a.wav\" \"b.wav\""});
  first.insert(first.end(), {"F:\\pick\\c.wav", "F:\\pick\\a.wav", "F:\\pick\\b.wav"});
  EXPECT_EQ(Sounds(), first);
  // The keyboard is back where it was, as after every dialog and message.
  HWND sounds = Control(IDC_ASSOCIATED_LIST);
  EXPECT_EQ(e2e::FocusWindow(nullptr), sounds);
  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_EVENT_LIST), 1));
  ASSERT_TRUE(e2e::PressTogether(frame, {VK_SHIFT, VK_F10}) && e2e::Type(frame, {{'A'}}));
  TypeInto("Add Sounds", {L"f:\\pick", L"\"a.wav\" \"b.wav\" \"c.wav\""});
  Answer(Caption, "Too Many Sounds ! These Were Not Added :\nc.wav", IDOK);
  second.insert(second.end(), {"F:\\pick\\a.wav", "F:\\pick\\b.wav"});
  EXPECT_EQ(Sounds(), second);

  ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_EVENT_LIST), 2));
  for (int answer : {IDCANCEL, IDNO, IDYES}) {
    // The second time, a right click opens the menu.
    if (answer == IDNO) PostMessageA(sounds, WM_RBUTTONUP, 0, MAKELPARAM(9, 9));
    ASSERT_TRUE((answer == IDNO || e2e::PressTogether(frame, {VK_APPS})) &&
                e2e::Type(frame, {{'A'}}));
    TypeInto("Add Sounds", {L"r:\\", L"\"far1.wav\" \"far2.wav\""});
    Answer(Caption, MayGo, answer);
    EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id())) << answer;
  }
  const Paths third = {"R:\\far1.wav", "R:\\far2.wav", "C:\\windows\\far1.wav",
                       "C:\\windows\\far2.wav"};
  EXPECT_EQ(Sounds(), third);
  ASSERT_TRUE(e2e::Click(Control(IDC_SAVE)) && e2e::Settle(frame));
  EXPECT_EQ(FileText("chimelo.ini"), Section(1, first) + Section(2, second) + Section(3, third));
  EXPECT_TRUE(DeleteFileA(third[2].c_str()) && DeleteFileA(third[3].c_str()));
}

// Dropped on the sounds list, files join the selected event, and what is not
// a WAV file is named once; dropped on an event's row, they join that event,
// which is selected. A folder gives the WAV files right inside it, in name
// order.
TEST_F(AddingTest, DroppedFilesAndFoldersJoinTheEventTheyAreDroppedOn) {
  for (auto path : {L"f:\\in\\one.wav", L"f:\\in\\TWO.WAV", L"f:\\in\\notes.txt", L"f:\\dir\\c.wav",
                    L"f:\\dir\\B.wav", L"f:\\dir\\a.wav", L"f:\\dir\\sub\\d.wav"})
    Put(path);
  Start();
  ASSERT_TRUE(e2e::DropFiles(dialog, At(IDC_ASSOCIATED_LIST, 0),
                             {L"f:\\in\\one.wav", L"f:\\in\\notes.txt", L"f:\\in\\TWO.WAV"}));
  Answer(Caption, "Only Sound Files Can Be Added. These Were Left Out :\nnotes.txt", IDOK);
  EXPECT_EQ(Sounds(), (Paths{"f:\\in\\one.wav", "f:\\in\\TWO.WAV"}));

  ASSERT_TRUE(e2e::DropFiles(dialog, At(IDC_EVENT_LIST, 3), {L"f:\\dir"}) && e2e::Settle(frame));
  EXPECT_EQ(e2e::ListSelection(Control(IDC_EVENT_LIST)), 3);
  EXPECT_EQ(Sounds(), (Paths{"f:\\dir\\a.wav", "f:\\dir\\B.wav", "f:\\dir\\c.wav"}));
}

// The drive selector's last entry walks a folder chosen in the folder
// picker, to every depth, and shows the folder. Cancel there, the second
// time, leaves the list and the selector as they were.
TEST_F(AddingTest, AFolderChosenInThePickerIsWalkedAndCancelChangesNothing) {
  for (auto f : {L"f:\\t\\a.wav", L"f:\\t\\x\\y\\b.wav", L"f:\\t\\n.txt", L"f:\\o.wav"}) Put(f);
  Start();
  ClickFiles();
  HWND drives = Control(IDC_DRIVE_COMBO);
  const Paths walked = {"F:\\t\\a.wav", "F:\\t\\x\\y\\b.wav"};
  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    const int last = static_cast<int>(e2e::ComboStrings(drives).size()) - 1;
    ASSERT_EQ(e2e::ComboStrings(drives).at(last), "[Folder\xe2\x80\xa6]");
    ASSERT_TRUE(e2e::SelectComboEntry(drives, last));
    TypeInto("Choose A Folder To Search", {key == VK_RETURN ? L"f:\\t" : L""}, key);
    WaitForWalk();
    EXPECT_EQ(Listed(), walked);
    EXPECT_EQ(e2e::ComboStrings(drives).at(e2e::ComboSelection(drives)), "F:\\t");
  }
}

// A drop waits while a walk runs: the user is told, and drops again after
// it. Walks before and after leave chimelo.ini where Chimelo started, where
// the next start finds it.
TEST_F(AddingTest, ADropDuringAWalkIsToldToWaitAndTheSettingsStayWhereChimeloStarted) {
  Put(L"f:\\in\\late.wav");
  Start();
  ChooseDrive('b');
  ASSERT_TRUE(e2e::WaitUntil([&] { return Walking() && ListedCount() > 0; }, 30000));
  ASSERT_TRUE(e2e::DropFiles(dialog, At(IDC_ASSOCIATED_LIST, 0), {L"f:\\in\\late.wav"}));
  Answer(Caption, "Chimelo Is Searching For Sounds.\nAdd These When The Search Has Ended.", IDOK);
  WaitForWalk();
  EXPECT_TRUE(Sounds().empty());
  ASSERT_TRUE(e2e::DropFiles(dialog, At(IDC_ASSOCIATED_LIST, 0), {L"f:\\in\\late.wav"}));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_EQ(Sounds(), Paths{"f:\\in\\late.wav"});
  ChooseDrive('l');
  WaitForWalk();
  PostMessageA(frame, WM_CLOSE, 0, 0);
  Answer(Caption, "Do You Really Want To Close Chimelo ?", IDYES);
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(FileText("chimelo.ini"), Section(1, {"f:\\in\\late.wav"}));
  Start();
  EXPECT_EQ(Sounds(), Paths{"f:\\in\\late.wav"});
}

}  // namespace
