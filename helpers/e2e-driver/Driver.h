#pragma once

// Drives a running chimelo.exe from outside, as a user would, for the
// end-to-end tests. Every call works across processes under Wine; where
// Wine's cross-process messaging has a quirk, the function works around it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The program's texts, and the paths the driver takes, are UTF-8.
std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

// The program as seen from outside; its controls' ids are those of
// resources/ResourceIds.h.
constexpr char FrameCaption[] = "Chimelo ! (Freeware)";
constexpr UINT_PTR RotationTimer = 100;

// --- Waiting -------------------------------------------------------------

// Polls condition until it holds or timeoutMs have passed; true if it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Returns once the GUI thread that owns the visible window has handled
// everything sent or posted to it so far and has painted all its windows:
// it is idle, or idle in a modal loop such as a message box's. False if the
// window is not visible or the thread did not settle within timeoutMs.
bool Settle(HWND window, DWORD timeoutMs = 10000);

// --- The process ---------------------------------------------------------

// chimelo.exe started in a working directory of the test's choosing, with
// these arguments after its name. The destructor terminates it if it is
// still running.
class ChimeloProcess {
 public:
  ChimeloProcess(const std::string& exePath, const std::string& workingDirectory,
                 const std::string& arguments = "");
  ~ChimeloProcess();
  ChimeloProcess(const ChimeloProcess&) = delete;
  ChimeloProcess& operator=(const ChimeloProcess&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD Id() const { return process_.dwProcessId; }
  bool Running() const;
  // True if the process ended within timeoutMs.
  bool WaitForExit(DWORD timeoutMs) const;
  // STILL_ACTIVE while it runs.
  DWORD ExitCode() const;

 private:
  PROCESS_INFORMATION process_ = {};
};

// Runs a command line to its end: its exit code, or -1 when it could not be
// started or did not end within timeoutMs.
long RunToTheEnd(std::string commandLine, DWORD timeoutMs = 60000);

// What a Linux command printed, run by /bin/sh (ffmpeg, say; quote with ' in
// it). Wine tells no Linux program's end, so the command's end is marked in
// a file. Empty when it did not end within timeoutMs.
std::string LinuxOutput(const std::string& command, DWORD timeoutMs = 60000);
// Where Linux finds the file of this Windows path.
std::string LinuxPath(const std::string& windowsPath);

// --- Windows -------------------------------------------------------------

std::vector<HWND> TopLevelWindows(DWORD processId);
std::string WindowText(HWND window);

// The process's visible top-level window captioned FrameCaption, or null.
HWND FindFrame(DWORD processId);
HWND WaitForFrame(DWORD processId, DWORD timeoutMs);
HWND Dialog(HWND frame);
HWND Control(HWND dialog, int id);

RECT WindowRect(HWND window);
SIZE ClientSize(HWND window);
// The control lies wholly within its parent's client area, where a user
// can see it.
bool Shows(HWND control);

// --- Input ---------------------------------------------------------------

// Input is posted and not waited for: Settle() or wait for its effect.

// A user's click: the dialog receives WM_COMMAND with BN_CLICKED from the
// button. False, and nothing happens, if the button is hidden or disabled
// or its window is (as while a message box is open).
bool Click(HWND button);

// A user's click on entry index: sets the selection, then notifies the
// parent with LBN_SELCHANGE (CBN_SELCHANGE), which setting it from code
// does not do. False, and nothing happens, when a click could not reach
// the list or there is no such entry.
bool SelectListEntry(HWND list, int index);
bool SelectComboEntry(HWND combo, int index);

// Keys go to the window that has the keyboard focus in the program's GUI
// thread (fallback when none has), through the program's message loop.
HWND FocusWindow(HWND fallback);
void PressEscape(HWND fallback);
void PressEnter(HWND fallback);
void PressAltF4(HWND fallback);

// Real keystrokes, as a keyboard types them: the window's top-level window
// comes to the front, and each key goes down and up through the system's
// input queue to whatever has the focus, the dialog manager and its Tab and
// mnemonics included. A key typed with Alt is typed while Alt is held.
struct Key {
  WORD code;  // a virtual-key code: VK_TAB, 'R'
  bool alt = false;
};
bool Type(HWND window, const std::vector<Key>& keys);

// Text in any script, typed as Type types keys: each character goes as a
// Unicode keystroke to whatever has the focus.
bool TypeText(HWND window, const std::wstring& text);
// Keys held down together in this order and let go in reverse, as
// {VK_SHIFT, VK_F10}.
bool PressTogether(HWND window, const std::vector<WORD>& keys);

// Files dropped from Explorer on a window that accepts them, at a point in
// its client area.
bool DropFiles(HWND window, POINT clientPoint, const std::vector<std::wstring>& paths);

// A tick of the window's timer, as SetTimer would deliver it.
void PostTimerTick(HWND window, UINT_PTR timerId);

// --- Message boxes -------------------------------------------------------

// The process's open message box with exactly this caption and text, or null.
HWND FindMessageBox(DWORD processId, const std::string& caption, const std::string& text);
HWND WaitForMessageBox(DWORD processId, const std::string& caption, const std::string& text,
                       DWORD timeoutMs);
bool AnyMessageBoxOpen(DWORD processId);
std::string MessageBoxText(HWND box);
// Clicks the box's button with this id (IDYES, IDNO, IDOK, IDCANCEL);
// false if the box has no such button.
bool AnswerMessageBox(HWND box, int buttonId);

// --- Lists ---------------------------------------------------------------

std::vector<std::string> ListStrings(HWND list);
std::vector<std::string> ComboStrings(HWND combo);
int ListSelection(HWND list);
int ComboSelection(HWND combo);
std::vector<LPARAM> ListItemData(HWND list);
// The NUL-terminated UTF-8 paths the entries' item data point at in the
// program's memory.
std::vector<std::string> ListItemPaths(HWND list);

// --- Registry (HKEY_CURRENT_USER) ----------------------------------------

struct RegistryValue {
  bool present = false;
  DWORD type = REG_NONE;
  DWORD byteCount = 0;
  std::string text;  // the string up to its first NUL, in UTF-8
};

RegistryValue DefaultValue(const std::string& subkey);
bool KeyExists(const std::string& subkey);

// --- Sound ---------------------------------------------------------------

// A WAV file of exactly `bytes` bytes (8-bit mono PCM at 22050 Hz) holding a
// sine tone of the frequency: with distinct frequencies, what plays tells
// which file it was.
bool WriteToneWav(const std::string& path, double frequency, long bytes);

// What Wine played, as the test session records it: 8000 mono 16-bit
// samples a second, appended to a file as they come.
class SoundCapture {
 public:
  static constexpr int Rate = 8000;

  explicit SoundCapture(const std::string& recording) : recording_(recording) { Mark(); }

  // From now on: what came before is passed over.
  void Mark();
  // Waits for ms milliseconds of sound after the mark to be recorded, and
  // returns them.
  std::vector<short> After(DWORD ms) const;

 private:
  std::string recording_;
  long long mark_ = 0;
};

// The amplitude, in sample units, of the frequency in the samples.
double ToneLevel(const std::vector<short>& samples, double frequency);

// Where the frequency sounds in the samples, in seconds from their start:
// one span each time it plays.
struct Span {
  double from, to;
};
std::vector<Span> ToneSpans(const std::vector<short>& samples, double frequency);

// --- Screenshots ---------------------------------------------------------

// What the screen shows over a window's rectangle at the moment of capture.
class Screenshot {
 public:
  explicit Screenshot(HWND window);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The colour at window-relative (x, y); CLR_INVALID outside the image.
  COLORREF Pixel(int x, int y) const;
  bool SaveBmp(const std::string& path) const;

 private:
  int Stride() const { return (width_ * 3 + 3) & ~3; }

  int width_ = 0, height_ = 0;
  std::vector<BYTE> rows_;  // 24-bit BGR, bottom row first, as in a .bmp
};

}  // namespace e2e
