// Chimelo by keyboard alone, with real keystrokes, and what a screen reader
// reads out: every row and every button has a name.
#include "ListeningTest.h"

namespace {

using KeyboardTest = ListeningTest;

const e2e::Key Tab = {VK_TAB}, Down = {VK_DOWN}, Home = {VK_HOME}, Enter = {VK_RETURN};
e2e::Key Alt(char letter) { return {static_cast<WORD>(letter), true}; }

// The fourth event, chosen with the arrow keys, shows its sounds; the second
// of them plays when chosen. It goes, a file of the browser joins the event,
// and the save writes what the keys did.
TEST_F(KeyboardTest, FromTheFirstFocusTheKeysAloneChooseHearRemoveAddAndSave) {
  PutTone("f:\\one.wav", Low);
  PutTone("f:\\two.wav", High);
  PutTone("f:\\new.wav", Middle);
  Start("[4]\r\n1=f:\\one.wav\r\n2=f:\\two.wav\r\n");
  ASSERT_EQ(e2e::FocusWindow(nullptr), Control(IDC_EVENT_LIST));
  ASSERT_TRUE(e2e::Type(frame, {Down, Down, Down}));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)),
            (Paths{"f:\\one.wav", "f:\\two.wav"}));

  // The first sound plays too, and may be lost: Wine may lose a program's
  // first sound.
  ASSERT_TRUE(e2e::Type(frame, {Tab, Home}));
  capture.Mark();
  Heard(1000);
  capture.Mark();
  ASSERT_TRUE(e2e::Type(frame, {Down}));
  EXPECT_EQ(Heard(800), Tones{High});
  ASSERT_TRUE(e2e::Type(frame, {Alt('R')}));
  HWND question = e2e::WaitForMessageBox(chimelo->Id(), "Chimelo !",
                                         "Do You Really Want To Remove This Sound ?", 10000);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(e2e::Type(question, {Enter}));
  ASSERT_TRUE(e2e::WaitUntil([&] { return !e2e::AnyMessageBoxOpen(chimelo->Id()); }, 10000));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_EQ(e2e::ListItemPaths(Control(IDC_ASSOCIATED_LIST)), Paths{"f:\\one.wav"});

  ASSERT_TRUE(e2e::Type(frame, {Alt('F')}));
  WaitForWalk();
  for (int tabs = 0; tabs < 12 && e2e::FocusWindow(nullptr) != Control(IDC_WAV_LIST); ++tabs) {
    ASSERT_TRUE(e2e::Type(frame, {Tab}));
    ASSERT_TRUE(e2e::Settle(frame));
  }
  ASSERT_EQ(e2e::FocusWindow(nullptr), Control(IDC_WAV_LIST));
  ASSERT_TRUE(e2e::Type(frame, {Home, Alt('C'), Alt('S')}));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_FALSE(e2e::AnyMessageBoxOpen(chimelo->Id()));
  EXPECT_EQ(FileText("chimelo.ini"), "[4]\r\n1=f:\\one.wav\r\n2=f:\\\\new.wav\r\n");
}

// In reading order, and round again; the browser's controls only while it
// shows.
TEST_F(KeyboardTest, TabVisitsTheControlsInReadingOrderAndComesBack) {
  Start();
  const std::vector<int> folded = {IDC_EVENT_LIST,
                                   IDC_ASSOCIATED_LIST,
                                   IDC_REMOVE_FROM_CURRENT,
                                   IDC_REMOVE_FROM_ALL,
                                   IDC_SAVE,
                                   IDC_FILES,
                                   IDCANCEL};
  const std::vector<int> open = {IDC_EVENT_LIST,
                                 IDC_ASSOCIATED_LIST,
                                 IDC_REMOVE_FROM_CURRENT,
                                 IDC_REMOVE_FROM_ALL,
                                 IDC_SAVE,
                                 IDC_FILES,
                                 IDCANCEL,
                                 IDC_DRIVE_COMBO,
                                 IDC_FILTER,
                                 IDC_WAV_LIST,
                                 IDC_ADD_TO_CURRENT,
                                 IDC_ADD_TO_ALL};
  for (const std::vector<int>* order : {&folded, &open}) {
    if (order == &open) {
      ClickFiles();
      PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_EVENT_LIST)), TRUE);
      ASSERT_TRUE(e2e::Settle(frame));
    }
    std::vector<int> visited = {GetDlgCtrlID(e2e::FocusWindow(nullptr))};
    for (size_t tab = 0; tab < order->size(); ++tab) {
      ASSERT_TRUE(e2e::Type(frame, {Tab}));
      ASSERT_TRUE(e2e::Settle(frame));
      visited.push_back(GetDlgCtrlID(e2e::FocusWindow(nullptr)));
    }
    std::vector<int> expected = *order;
    expected.push_back(order->front());
    EXPECT_EQ(visited, expected);
  }
}

// A screen reader reads an owner-drawn row by its text, a button by its
// window text, and names a list by the label just before it.
TEST_F(KeyboardTest, EveryRowAndEveryButtonHasANameToReadOut) {
  Start("[1]\r\n1=C:\\A.WAV\r\n2=C:\\B&C.WAV\r\n");
  Paths names;
  for (const SystemEvent& event : EventKeyTable) names.push_back(event.name);
  EXPECT_EQ(e2e::ListStrings(Control(IDC_EVENT_LIST)), names);
  EXPECT_EQ(e2e::ListStrings(Control(IDC_ASSOCIATED_LIST)), (Paths{"C:\\A.WAV", "C:\\B&C.WAV"}));
  for (int id : {IDC_REMOVE_FROM_CURRENT, IDC_REMOVE_FROM_ALL, IDC_SAVE, IDC_FILES, IDCANCEL,
                 IDC_ADD_TO_CURRENT, IDC_ADD_TO_ALL})
    EXPECT_NE(e2e::WindowText(Control(id)), "") << id;
  EXPECT_EQ(e2e::WindowText(GetWindow(Control(IDC_WAV_LIST), GW_HWNDPREV)),
            "WAV Files On Hard Disk");
}

}  // namespace
