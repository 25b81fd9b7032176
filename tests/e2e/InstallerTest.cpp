// The installer that scripts/package.sh makes, run in the test prefix as a
// user's Windows would run it: silently, at a sign-in, while Chimelo runs,
// and undone again. Each test leaves the prefix as it found it: no Chimelo
// installed, no shortcut, no entry, and the data folder as it was.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Driver.h"
#include "PlantedLibraries.h"
#include "ReportedWindows.h"
#include "Version.h"
#include "resources/ResourceIds.h"
#include "scheme/EventTable.h"
#include "tests/support/BesideThisProgram.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/VersionResource.h"

namespace {

std::string Folder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path);
  return path;
}

std::string DosPath(const char* unixPath) {
  using Converter = wchar_t*(CDECL*)(const char*);
  auto convert = reinterpret_cast<Converter>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_dos_file_name")));
  wchar_t* dos = convert(unixPath);
  std::string text(dos, dos + wcslen(dos));
  HeapFree(GetProcessHeap(), 0, dos);
  return text;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct Shortcut {
  std::string target, arguments, startIn;
  int showCommand = -1;
};

// Target, arguments and start-in as the shell reads them. The show command comes from
// the file itself (the 32-bit value at 0x3C): Wine's IShellLink reports 1
// for a shortcut that holds 7.
Shortcut ReadShortcut(const std::string& path) {
  Shortcut shortcut;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return shortcut;
  IPersistFile* file = nullptr;
  char text[MAX_PATH] = "";
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ))) {
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0))) shortcut.target = text;
    if (SUCCEEDED(link->GetArguments(text, MAX_PATH))) shortcut.arguments = text;
    if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) shortcut.startIn = text;
  }
  if (file) file->Release();
  link->Release();
  const std::string bytes = FileText(path.c_str());
  if (bytes.size() >= 0x40) shortcut.showCommand = static_cast<unsigned char>(bytes[0x3C]);
  return shortcut;
}

const char UninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Chimelo";

std::string EntryText(const char* name) {
  char value[MAX_PATH * 2] = "";
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, UninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size))
    return "<none>";
  return value;
}

long EntryNumber(const char* name) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, UninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size))
    return -1;
  return static_cast<long>(value);
}

bool EntryExists() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, UninstallKey, 0, KEY_READ, &key)) return false;
  RegCloseKey(key);
  return true;
}

// The one Chimelo of the session, wherever it was started from.
HWND RunningFrame() { return FindWindowA(nullptr, e2e::FrameCaption); }

class InstallerTest : public ::testing::Test {
 protected:
  const std::string installer = DosPath(CHIMELO_INSTALLER);
  const std::string localAppData = Folder(CSIDL_LOCAL_APPDATA);
  const std::string programs = localAppData + "\\Programs";
  const std::string installed = programs + "\\Chimelo";
  const std::string program = installed + "\\chimelo.exe";
  const std::string data = localAppData + "\\Chimelo";
  const std::string settings = data + "\\chimelo.ini";
  const std::string startMenuShortcut = Folder(CSIDL_PROGRAMS) + "\\Chimelo.lnk";
  const std::string signInShortcut = Folder(CSIDL_STARTUP) + "\\Chimelo.lnk";
  // The test's working directory, where screenshots go, beside the test
  // session's recording of what plays.
  const std::string screenshots = [] {
    char path[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, path);
    return std::string(path);
  }();

  void SetUp() override {
    ASSERT_TRUE(Exists(installer)) << installer << ": run scripts/package.sh first";
    ASSERT_FALSE(Exists(installed)) << "Chimelo is installed in the test prefix already, by a "
                                       "test run that was killed? Remove the prefix to start anew";
    ASSERT_EQ(RunningFrame(), nullptr) << "a Chimelo runs already";
    CoInitialize(nullptr);
    programsExisted_ = Exists(programs);
    dataExisted_ = Exists(data);
    settingsBefore_ = FileText(settings.c_str());
  }

  void TearDown() override {
    if (HWND frame = RunningFrame()) {
      DWORD id = 0;
      GetWindowThreadProcessId(frame, &id);
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
    // An uninstaller that still runs from its copy in the temporary folder
    // is waited for: it takes the entry last.
    e2e::WaitUntil([&] { return Exists(program) || !EntryExists(); }, 30000);
    EmptyDirectory(installed);
    RemoveDirectoryA(installed.c_str());
    if (!programsExisted_) RemoveDirectoryA(programs.c_str());
    DeleteFileA(startMenuShortcut.c_str());
    DeleteFileA(signInShortcut.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, UninstallKey);
    if (!dataExisted_) {
      EmptyDirectory(data);
      RemoveDirectoryA(data.c_str());
    } else if (settingsBefore_ == "<none>") {
      DeleteFileA(settings.c_str());
    } else {
      WriteFileText(settings.c_str(), settingsBefore_);
    }
    CoUninitialize();
  }

  void Install() { ASSERT_EQ(e2e::RunToTheEnd("\"" + installer + "\" /S"), 0); }

 private:
  bool programsExisted_ = false, dataExisted_ = false;
  std::string settingsBefore_;
};

// Installed over an installation whose sign-in shortcut is a plain one, as
// it was before the sign-in start played the start sound, from a download
// folder where libraries named as system ones wait: it loads none of them.
TEST_F(InstallerTest, ASilentInstallPutsTheProgramItsShortcutsAndItsEntryInPlace) {
  EXPECT_EQ(VersionResource(installer).Text("ProductVersion"), CHIMELO_VERSION);
  Install();
  ASSERT_TRUE(CopyFileA(startMenuShortcut.c_str(), signInShortcut.c_str(), FALSE));
  ScratchDirectory downloads;
  const std::string setup = downloads.Path() + "\\chimelo-setup.exe";
  ASSERT_TRUE(CopyFileA(installer.c_str(), setup.c_str(), FALSE));
  PlantedLibraries planted(downloads.Path(), setup);
  ASSERT_GT(planted.Count(), 0u);
  ASSERT_EQ(e2e::RunToTheEnd("\"" + setup + "\" /S"), 0);
  EXPECT_EQ(planted.Loaded(), std::vector<std::string>{});
  DWORD type = 0;
  ASSERT_TRUE(GetBinaryTypeA(program.c_str(), &type));
  EXPECT_EQ(type, DWORD{SCS_64BIT_BINARY}) << "the test prefix is 64-bit Windows";
  EXPECT_TRUE(Exists(installed + "\\uninstall.exe"));
  EXPECT_TRUE(GetFileAttributesA(data.c_str()) & FILE_ATTRIBUTE_DIRECTORY);

  const struct {
    std::string path, arguments;
    int showCommand;
  } shortcuts[] = {{startMenuShortcut, "", SW_SHOWNORMAL},
                   {signInShortcut, "/signin", SW_SHOWMINNOACTIVE}};
  for (const auto& [path, arguments, showCommand] : shortcuts) {
    const Shortcut shortcut = ReadShortcut(path);
    EXPECT_EQ(shortcut.target, program) << path;
    EXPECT_EQ(shortcut.arguments, arguments) << path;
    EXPECT_EQ(shortcut.startIn, data) << path;
    EXPECT_EQ(shortcut.showCommand, showCommand) << path;
  }

  EXPECT_EQ(EntryText("DisplayName"), "Chimelo");
  EXPECT_EQ(EntryText("DisplayVersion"), CHIMELO_VERSION);
  EXPECT_EQ(EntryText("DisplayIcon"), program + ",0");
  EXPECT_EQ(EntryText("UninstallString"), "\"" + installed + "\\uninstall.exe\"");
  EXPECT_EQ(EntryText("QuietUninstallString"), "\"" + installed + "\\uninstall.exe\" /S");
  EXPECT_EQ(EntryText("InstallLocation"), installed);
  EXPECT_GT(EntryNumber("EstimatedSize"), 100);  // KiB: the program and the uninstaller
  EXPECT_EQ(EntryNumber("NoModify"), 1);
  EXPECT_EQ(EntryNumber("NoRepair"), 1);
}

// wineboot without options starts what the Startup folder holds, as a
// sign-in does: Chimelo runs from where it was installed, reads its sounds
// from the data folder and, on Windows 10, plays the start sound once.
TEST_F(InstallerTest, TheSignInStartsTheInstalledChimeloInTheDataFolderAndItPlaysTheStartSound) {
  ReportedWindows windows10("win10");
  e2e::SoundCapture capture(screenshots + "\\..\\wine\\capture.raw");
  ScratchDirectory sounds;
  const std::string start = sounds.Path() + "\\start.wav";
  const double tone = 880;
  ASSERT_TRUE(e2e::WriteToneWav(start, tone, 22050 / 2));
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, EventKeyTable[4].key, nullptr, REG_SZ, start.c_str(),
                            static_cast<DWORD>(start.size() + 1)),
            ERROR_SUCCESS);
  Install();
  WriteFileText(settings.c_str(), "[1]\r\n1=C:\\SIGNIN.WAV\r\n");
  capture.Mark();
  const DWORD begun = GetTickCount();
  e2e::RunToTheEnd("wineboot.exe");
  HWND frame = nullptr;
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return (frame = RunningFrame()) && IsWindowVisible(frame); }, 30000));
  ASSERT_TRUE(e2e::Settle(frame));
  DWORD id = 0;
  GetWindowThreadProcessId(frame, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  char image[MAX_PATH] = "";
  DWORD size = MAX_PATH;
  QueryFullProcessImageNameA(process, 0, image, &size);
  CloseHandle(process);
  EXPECT_EQ(std::string(image), program);
  EXPECT_EQ(e2e::ListItemPaths(e2e::Control(e2e::Dialog(frame), IDC_ASSOCIATED_LIST)),
            std::vector<std::string>{"C:\\SIGNIN.WAV"});
  EXPECT_EQ(e2e::ToneSpans(capture.After(GetTickCount() - begun + 2000), tone).size(), 1u);
}

TEST_F(InstallerTest, WhileChimeloRunsASilentInstallEndsWithAnErrorAndChangesNothing) {
  Install();
  WriteFileText(program.c_str(), "the installed program");
  ScratchDirectory scratch;
  e2e::ChimeloProcess chimelo(BesideThisProgram("chimelo.exe"), scratch.Path());
  ASSERT_NE(e2e::WaitForFrame(chimelo.Id(), 30000), nullptr);
  EXPECT_NE(e2e::RunToTheEnd("\"" + installer + "\" /S"), 0);
  EXPECT_EQ(FileText(program.c_str()), "the installed program");
}

// The data folder holds chimelo.ini and the copied sounds, which the sound
// scheme may still name: neither an uninstall nor a reinstall touches it.
TEST_F(InstallerTest, TheUninstallRemovesWhatItInstalledAndKeepsTheDataAsDoesAReinstall) {
  Install();
  const std::string sound = data + "\\Sounds\\kept.wav";
  const std::string kept = "[1]\r\n1=" + sound + "\r\n";
  WriteFileText(settings.c_str(), kept);
  CreateDirectoryA((data + "\\Sounds").c_str(), nullptr);
  WriteFileText(sound.c_str(), "RIFF");

  ASSERT_EQ(e2e::RunToTheEnd("\"" + installed + "\\uninstall.exe\" /S"), 0);
  // It goes on from a copy of itself, and takes the entry last.
  ASSERT_TRUE(e2e::WaitUntil([&] { return !EntryExists(); }, 30000));
  EXPECT_FALSE(Exists(installed));
  EXPECT_FALSE(Exists(startMenuShortcut));
  EXPECT_FALSE(Exists(signInShortcut));
  EXPECT_FALSE(EntryExists());
  EXPECT_EQ(FileText(settings.c_str()), kept);
  EXPECT_EQ(FileText(sound.c_str()), "RIFF");

  Install();
  EXPECT_TRUE(Exists(program));
  EXPECT_EQ(FileText(settings.c_str()), kept);
  DeleteFileA(sound.c_str());

  // Kept where it lies by _?=, beside libraries named as system ones, the
  // uninstaller loads none of them.
  const std::string uninstaller = installed + "\\uninstall.exe";
  PlantedLibraries planted(installed, uninstaller);
  ASSERT_EQ(e2e::RunToTheEnd("\"" + uninstaller + "\" /S _?=" + installed), 0);
  EXPECT_EQ(planted.Loaded(), std::vector<std::string>{});
  EXPECT_FALSE(Exists(program));
}

// The page that offers the sign-in start, saved for the README.
TEST_F(InstallerTest, TheComponentsPageShowsAndCancelLeavesNothing) {
  e2e::ChimeloProcess setup(installer, screenshots);
  ASSERT_TRUE(setup.Started());
  HWND window = nullptr, next = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        for (HWND top : e2e::TopLevelWindows(setup.Id()))
          if (IsWindowVisible(top) && (next = GetDlgItem(top, IDOK)) != nullptr) window = top;
        return window != nullptr;
      },
      30000));
  ASSERT_TRUE(e2e::Settle(window));
  ASSERT_TRUE(e2e::Click(next));
  // Chimelo itself, and the sign-in start, once they show: the tree is
  // painted a while after its page, with dark text and boxes on white.
  HWND tree = nullptr;
  auto componentsShow = [&] {
    tree = FindWindowExA(FindWindowExA(window, nullptr, "#32770", nullptr), nullptr,
                         "SysTreeView32", nullptr);
    if (!tree || !IsWindowVisible(tree) || SendMessageA(tree, TVM_GETCOUNT, 0, 0) != 2)
      return false;
    e2e::Screenshot shot(tree);
    int dark = 0;
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x)
        dark += GetRValue(shot.Pixel(x, y)) + GetGValue(shot.Pixel(x, y)) < 200;
    return dark > 100;
  };
  ASSERT_TRUE(e2e::WaitUntil(componentsShow, 10000));
  EXPECT_TRUE(e2e::Screenshot(window).SaveBmp(screenshots + "\\installer-components.bmp"));

  ASSERT_TRUE(e2e::Click(GetDlgItem(window, IDCANCEL)));
  HWND question = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        for (HWND top : e2e::TopLevelWindows(setup.Id()))
          if (top != window && IsWindowVisible(top) && GetDlgItem(top, IDYES)) question = top;
        return question != nullptr;
      },
      10000));
  ASSERT_TRUE(e2e::AnswerMessageBox(question, IDYES));
  EXPECT_TRUE(setup.WaitForExit(10000));
  EXPECT_FALSE(Exists(installed));
  EXPECT_FALSE(EntryExists());
}

}  // namespace
