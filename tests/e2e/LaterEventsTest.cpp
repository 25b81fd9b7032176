// The events Windows 10 and 11 play: a toast's sound is kept where the
// toasts can read it, and Windows Unlock, which Windows 8 and later no
// longer play, is played by Chimelo there, as Start and Exit are.
#include "ListeningTest.h"
#include "ReportedWindows.h"

namespace {

using LaterEventsTest = ListeningTest;

int EventNamed(const char* name) {
  int event = 0;
  while (std::string(EventKeyTable[event].name) != name) ++event;
  return event;
}

// Keys a test removes, there again when it ends, as every test needs them.
struct RemovedKeys {
  explicit RemovedKeys(std::vector<int> events) : events(std::move(events)) {
    for (int event : this->events) RegDeleteKeyA(HKEY_CURRENT_USER, EventKeyTable[event].key);
  }
  ~RemovedKeys() {
    for (int event : events) {
      HKEY key;
      if (RegCreateKeyA(HKEY_CURRENT_USER, EventKeyTable[event].key, &key) == ERROR_SUCCESS)
        RegCloseKey(key);
    }
  }
  std::vector<int> events;
};

// Where Chimelo plays Start and Unlock, a tick makes their missing keys; an
// unlock plays the Unlock sound, a lock nothing. Windows 7 plays them
// itself: there no key is made and nothing is played. A toast's sound from
// an ordinary folder becomes a copy in the sounds folder; one in the Windows
// directory stays where it is.
TEST_F(LaterEventsTest, AToastsSoundIsCopiedAndOnWindows10AnUnlockPlaysItsSound) {
  const int start = EventNamed("Start Windows"), unlock = EventNamed("Windows Unlock");
  const std::string windowsSound = "C:\\windows\\Media\\chimelo-toast.wav";
  const std::string copy = UserSoundsFolder() + "\\ping.wav";
  PutTone("f:\\unlock.wav", High);
  PutTone("f:\\warm.wav", Low, 4410);
  Put(L"f:\\toasts\\ping.wav");
  Put(e2e::Wide(windowsSound));
  DeleteFileA(copy.c_str());
  for (bool windows10 : {true, false}) {
    SCOPED_TRACE(windows10 ? "Windows 10" : "Windows 7");
    std::unique_ptr<ReportedWindows> version;
    if (windows10) version = std::make_unique<ReportedWindows>("win10");
    RemovedKeys removed({start, unlock});
    Start("[5]\r\n1=f:\\start.wav\r\n[WindowsUnlock]\r\n1=f:\\unlock.wav\r\n");
    ClickFiles();
    WarmUp();
    Tick();
    for (int event : {start, unlock})
      EXPECT_EQ(e2e::KeyExists(EventKeyTable[event].key), windows10) << EventKeyTable[event].name;
    for (WPARAM change : {WTS_SESSION_LOCK, WTS_SESSION_UNLOCK}) {
      capture.Mark();
      PostMessageA(frame, WM_WTSSESSION_CHANGE, change, 0);
      EXPECT_EQ(Heard(1500), windows10 && change == WTS_SESSION_UNLOCK ? Tones{High} : Tones{})
          << change;
    }
    if (windows10) {
      RECT list = e2e::WindowRect(Control(IDC_ASSOCIATED_LIST));
      POINT point = {list.left + 9, list.top + 9};
      ScreenToClient(dialog, &point);
      ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_EVENT_LIST), EventNamed("Notification")));
      ASSERT_TRUE(e2e::DropFiles(dialog, point, {L"f:\\toasts\\ping.wav", e2e::Wide(windowsSound)}));
      ASSERT_TRUE(e2e::Settle(frame));
      EXPECT_EQ(e2e::ListStrings(Control(IDC_ASSOCIATED_LIST)), (Paths{copy, windowsSound}));
      EXPECT_NE(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);
      SaveScreenshot("notification");
    }
    PostMessageA(frame, WM_CLOSE, 0, 0);
    Answer("Chimelo !", "Do You Really Want To Close Chimelo ?", IDYES);
    ASSERT_TRUE(chimelo->WaitForExit(15000));
    if (windows10) {
      EXPECT_EQ(FileText("chimelo.ini"), "[5]\r\n1=f:\\start.wav\r\n[Notification.Default]\r\n1=" +
                                             copy + "\r\n2=" + windowsSound +
                                             "\r\n[WindowsUnlock]\r\n1=f:\\unlock.wav\r\n");
    }
  }
  DeleteFileA(copy.c_str());
  DeleteFileA(windowsSound.c_str());
}

}  // namespace
