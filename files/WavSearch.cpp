// The WAV browser: &Files folds it in and out by the frame's width, and the
// first time for a drive walks that drive from its root, or the folder
// chosen in the selector, listing every WAV file with its full path. The walk runs inside the
// handler and lets the window handle its messages as it goes, so Cancel can stop it.
#include <cstdio>
#include <cstring>

#include "dialog/ChimeloDialog.h"
#include "scheme/NameList.h"
#include "platform/Application.h"
#include "platform/DirectorySearch.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/Frame.h"
#include "resources/ResourceIds.h"
#include "scheme/AsciiCase.h"
#include "scheme/Utf8.h"

namespace {

// The dialog's client area in dialog units: folded, the template's size;
// unfolded, wide enough for the browser, whose controls reach 408, and the
// template's right margin of 4 beyond them.
const int Height = 221, NarrowWidth = 233, WideWidth = 412;

// Cancel's name, for what it does: a screen reader reads it out.
const wchar_t MinimizeName[] = L"Minimize", StopSearchName[] = L"Stop Search";

// What the wide frame shows: folded away, they are hidden, so that neither
// the keyboard nor a screen reader goes where nobody can see.
const int BrowserControls[] = {IDC_DRIVE_COMBO, IDC_WAV_LABEL,      IDC_FILTER_LABEL, IDC_FILTER,
                               IDC_WAV_LIST,    IDC_ADD_TO_CURRENT, IDC_ADD_TO_ALL};

// Everything but Cancel and the filter, which narrows the rows as they are
// found, in the order they are disabled and enabled again.
const int WalkControls[] = {
    IDC_SAVE,       IDC_EVENT_LIST,     IDC_ASSOCIATED_LIST,     IDC_WAV_LIST,
    IDC_FILES,      IDC_DRIVE_COMBO,    IDC_REMOVE_FROM_CURRENT, IDC_ADD_TO_CURRENT,
    IDC_ADD_TO_ALL, IDC_REMOVE_FROM_ALL};

// Each pump is a round trip to the Wine server (or the kernel): pumping
// after every entry would make the walk several times slower, while 10 ms
// keeps the window responsive.
const DWORD PumpInterval = 10;
// What was found is sorted in and shown this often.
const DWORD ShowInterval = 250;

// The longest entry, in UTF-16 units: a character outside the Basic
// Multilingual Plane counts two.
const int LongestEntry = 255;

}  // namespace

void TChimeloDialog::CmFiles() {
  if (Expanded && FilesListed) {
    Expanded = 0;
    ShowBrowser(false);
    ResizeFrame(NarrowWidth);
    return;
  }
  Expanded = 1;
  ResizeFrame(WideWidth);
  ShowBrowser(true);
  // A conversion holds the browser's controls; its end lets &Files walk.
  if (FilesListed || Converting) return;
  // Without a drive or folder selected there is nothing to walk.
  char root[PathBytes];
  if (!SelectedWalkRoot(root)) return;
  // The walk moves the current directory, and must be able to put it back.
  if (!CurrentDirectory(DirectoryBeforeWalk, sizeof DirectoryBeforeWalk)) return;

  FilesListed = Searching = 1;
  EnableWalkControls(false, StopSearchName);
  Listed.Clear();
  ShowListed(nullptr);
  // However the walk ends, by its end, Cancel, the end of the program or a
  // failure in a handler it let run, the walk is over afterwards.
  struct WalkEnd {
    TChimeloDialog& dialog;
    ~WalkEnd() { dialog.EndWalk(); }
  } walkEnd{*this};
  LastPump = LastShown = GetTickCount() - ShowInterval;
  SearchDirectory(root);
}

// The last entry opens the folder picker; cancelled, the selector goes
// back to what it showed, and nothing changes.
void TChimeloDialog::DriveSelChange() {
  if (DriveCombo->GetSelIndex() == DriveCombo->GetCount() - 1 && !ChooseFolderToWalk()) {
    DriveCombo->SetSelIndex(LastWalkEntry);
    return;
  }
  LastWalkEntry = DriveCombo->GetSelIndex();
  Expanded = 0;
  FilesListed = 0;
  CmFiles();
}

// The chosen folder shows in the selector before the picker's entry, in
// place of the one chosen before.
bool TChimeloDialog::ChooseFolderToWalk() {
  char folder[PathBytes];
  const Chosen chosen = ChooseFolder(GetHandle(), L"Choose A Folder To Search", folder);
  if (chosen == Chosen::Unavailable)
    MessageBox("The Folder Picker Can Not Be Shown !", "Error", MB_OK | MB_ICONEXCLAMATION);
  if (chosen != Chosen::Some) return false;
  int picker = DriveCombo->GetCount() - 1;
  char before[PathBytes];
  if (picker > 0 && DriveCombo->GetString(before, sizeof before, picker - 1) && before[0] != '[')
    DriveCombo->DeleteString(--picker);
  DriveCombo->SetSelIndex(DriveCombo->InsertString(folder, picker));
  return true;
}

// "c:\" for the selector's "[-c-]", or the folder it shows.
bool TChimeloDialog::SelectedWalkRoot(char (&root)[PathBytes]) {
  if (!DriveCombo->GetText(root, sizeof root) || !root[0]) return false;
  if (root[0] != '[') return true;
  const char letter = root[1] == '-' ? root[2] : '\0';
  std::snprintf(root, sizeof root, "%c:\\", letter);
  return letter != '\0';
}

// The frame keeps its place, comes to the top and shows.
void TChimeloDialog::ResizeFrame(int width) {
  const SIZE size = FrameSizeForDialog(GetHandle(), width, Height);
  SetWindowPos(Parent()->GetHandle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_SHOWWINDOW);
}

// The keyboard's place moves to &Files before a control that has it hides.
void TChimeloDialog::ShowBrowser(bool show) {
  HWND focus = GetFocus();
  for (int id : BrowserControls) {
    HWND control = GetDlgItem(GetHandle(), id);
    if (!show && control == focus) FocusControl(GetDlgItem(GetHandle(), IDC_FILES));
    ShowWindow(control, show ? SW_SHOWNA : SW_HIDE);
  }
}

// A disabled control loses the keyboard: during the walk (or a conversion)
// it goes to Cancel, the one control that still works, which takes the name
// of what it does then; afterwards back to where it was.
void TChimeloDialog::EnableWalkControls(bool enable, const wchar_t* stopName) {
  if (!enable) {
    FocusBeforeWalk = GetFocus();
    FocusControl(GetDlgItem(GetHandle(), IDCANCEL));
  }
  SetDlgItemTextW(GetHandle(), IDCANCEL, enable ? MinimizeName : stopName);
  for (int id : WalkControls) EnableWindow(GetDlgItem(GetHandle(), id), enable);
  if (enable && FocusBeforeWalk && IsWindowVisible(FocusBeforeWalk)) FocusControl(FocusBeforeWalk);
}

// The walk stops, and the current directory goes back to where it started.
void TChimeloDialog::StopWalk() {
  Searching = 0;
  ChangeDirectory(DirectoryBeforeWalk);
}

// The same, and the controls come back unless the window is gone.
void TChimeloDialog::EndWalk() {
  StopWalk();
  if (!GetHandle()) return;
  Listed.Merge();
  ShowListed(nullptr);
  EnableWalkControls(true);
}

// Handles the waiting messages when PumpInterval has passed since the last
// time, and shows the list's new entries when ShowInterval has; false once
// the walk is to stop: Cancel, the window's end, or a quit request.
bool TChimeloDialog::KeepWalking() {
  DWORD now = GetTickCount();
  if (now - LastPump < PumpInterval) return Searching != 0;
  LastPump = now;
  if (now - LastShown >= ShowInterval) {
    LastShown = now;
    Listed.Merge();
    ShowListed(nullptr);
  }
  if (!GetApplication()->PumpWaitingMessages()) Searching = 0;
  return Searching != 0;
}

// Depth first and pre-order: a directory's WAV files are listed before any
// of its subdirectories is entered.
bool TChimeloDialog::SearchDirectory(const char* dir) {
  if (!ChangeDirectory(dir)) return false;
  NameList subdirectories;
  if (!ListWavFiles(subdirectories)) return false;
  for (const char* name = subdirectories.First(); name; name = subdirectories.Next(name)) {
    if (!KeepWalking()) return false;
    // A directory whose path is too long cannot be entered, and is left out.
    if (SearchDirectory(name)) ChangeDirectory("..");
  }
  return KeepWalking();
}

// One pass over the current directory, for speed: each pass costs a round
// trip to the file system. Its WAV files go into the list, as the pattern
// "*.wav" would find them, and its subdirectories into the name list. Only
// real directories count: a link or junction may lead back up the tree and round
// for ever. False when the walk is to stop.
//
// Entries are the directory as the system reports it, a backslash, and the
// name with A to Z lowered; in a root that gives two backslashes. Names in
// every script are listed as they are.
bool TChimeloDialog::ListWavFiles(NameList& subdirectories) {
  bool entriesFit = CurrentDirectory(CurrentDir, sizeof CurrentDir);
  TDirectorySearch search;
  char name[PathBytes], entry[PathBytes], lowered[PathBytes];
  for (bool found = search.First(L"*"); found; found = search.Next()) {
    if (!KeepWalking()) return false;
    DWORD attributes = search.Attributes();
    if (!search.Name(name, sizeof name)) continue;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT) && std::strcmp(name, ".") &&
          std::strcmp(name, ".."))
        subdirectories.Add(name);
      continue;
    }
    if (!entriesFit || (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) ||
        !search.Matches(L".wav"))
      continue;
    LowerAsciiLetters(name);
    int written = std::snprintf(entry, sizeof entry, "%s\\%s", CurrentDir, name);
    if (written < 0 || written >= static_cast<int>(sizeof entry) ||
        Utf16Length(entry) > LongestEntry || !LowerText(entry, lowered, sizeof lowered))
      continue;
    Listed.Add(entry, lowered);
  }
  return true;
}
