// Sounds added several at once: chosen in the system's Open dialog, which
// the Insert key and the sounds list's context menu open, or dropped from
// Explorer. Each goes to an event as Add To Current adds one.
#include <cstdio>
#include <cstring>

#include "dialog/ChimeloDialog.h"
#include "platform/BoundedText.h"
#include "platform/DirectorySearch.h"
#include "platform/DroppedFiles.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "resources/ResourceIds.h"
#include "scheme/SoundBatch.h"

namespace {

// Where the Open dialog starts: the folder of the event's last sound, or
// Windows' own sounds.
void StartFolder(const SoundTable& sounds, int event, char (&folder)[SoundPathBytes]) {
  const int count = sounds.SoundCount(event);
  if (count) {
    CopyText(folder, sounds.Read(event, count - 1));
    folder[FileName(folder) - folder] = '\0';
    return;
  }
  wchar_t windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  folder[0] = '\0';
  if (length && length < MAX_PATH && ToUtf8(windows, folder, PathBytes))
    std::snprintf(folder + std::strlen(folder), SoundPathBytes - std::strlen(folder), "\\Media");
}

// The sound files directly inside the folder, in name order; hidden and
// system files are left out, as the walk leaves them out.
void AddSoundFilesIn(const char* folder, NameList& paths) {
  const std::size_t length = std::strlen(folder);
  const char* separator = length && folder[length - 1] == '\\' ? "" : "\\";
  char pattern[SoundPathBytes], name[PathBytes], path[SoundPathBytes], lowered[SoundPathBytes];
  int written = std::snprintf(pattern, sizeof pattern, "%s%s*", folder, separator);
  if (written < 0 || written >= static_cast<int>(sizeof pattern)) return;
  ListedSounds inFolder;
  TDirectorySearch search;
  for (bool found = search.First(WideText(pattern)); found; found = search.Next()) {
    if ((search.Attributes() &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) ||
        !search.Name(name, sizeof name) || !(IsWavFile(name) || IsConvertible(name)))
      continue;
    written = std::snprintf(path, sizeof path, "%s%s%s", folder, separator, name);
    if (written > 0 && written < static_cast<int>(sizeof path) &&
        LowerText(name, lowered, sizeof lowered))
      inFolder.Add(path, lowered);
  }
  inFolder.Merge();
  for (int index = 0; index < inFolder.ShownCount(); ++index) paths.Add(inFolder.Shown(index));
}

bool HasOtherFormats(const NameList& paths) {
  for (const char* path = paths.First(); path; path = paths.Next(path))
    if (IsConvertible(path)) return true;
  return false;
}

}  // namespace

void TChimeloDialog::CmAddSounds() {
  if (!TakeSelectedEvent() || TellBusy()) return;
  const int event = CurrentEvent;
  char folder[SoundPathBytes];
  StartFolder(Sounds, event, folder);
  NameList chosen;
  const Chosen result = ChooseFiles(GetHandle(), L"Add Sounds", L"Sounds", SoundFilePatterns, folder, chosen);
  if (result == Chosen::Unavailable)
    MessageBox("The Open Dialog Can Not Be Shown !", "Error", MB_OK | MB_ICONEXCLAMATION);
  else if (result == Chosen::Some)
    AddSounds(event, chosen);
}

// Files dropped on a row of the events list go to that event, which is
// selected; dropped anywhere else, to the selected event.
void TChimeloDialog::EvDropFiles(HDROP drop) {
  NameList dropped;
  const POINT point = TakeDroppedFiles(drop, dropped);
  if (TellBusy()) return;
  const HWND events = EventList->GetHandle();
  if (ChildWindowFromPoint(GetHandle(), point) == events) {
    POINT inList = point;
    MapWindowPoints(GetHandle(), events, &inList, 1);
    const LRESULT hit = SendMessageW(events, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y));
    if (!HIWORD(hit)) {  // the high word is set outside the rows
      EventList->SetSelIndex(LOWORD(hit));
      FillAssociatedList();
    }
  }
  if (!TakeSelectedEvent()) return;
  NameList paths;
  for (const char* path = dropped.First(); path; path = dropped.Next(path)) {
    if (IsDirectory(path))
      AddSoundFilesIn(path, paths);
    else
      paths.Add(path);
  }
  AddSounds(CurrentEvent, paths);
}

// A walk moves the current directory and a conversion fills the event
// later: while either runs, sounds wait to be added, and the user is told.
bool TChimeloDialog::TellBusy() {
  if (!Searching && !Converting) return false;
  MessageBox(Searching ? "Chimelo Is Searching For Sounds.\nAdd These When The Search Has Ended."
                       : "Chimelo Is Converting Sounds.\nAdd These When The Conversion Has Ended.",
             "Chimelo !", MB_OK | MB_ICONINFORMATION);
  return true;
}

// The questions come first, each once for the batch; the sounds join the
// event in the order chosen, after any conversion.
void TChimeloDialog::AddSounds(int event, const NameList& paths) {
  SoundBatch batch(MaxSoundsPerEvent - Sounds.SoundCount(event));
  for (const char* path = paths.First(); path; path = paths.Next(path)) batch.Take(path);
  // One sound that finds no room is told so as the Add button always told it.
  if (batch.refused[SoundBatch::NoRoom].First() && !paths.Next(paths.First())) {
    MessageBox("Too Many Sounds !", "Error", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (!CopyWhatMayGo(batch)) return;
  if (EventKeyTable[event].player == Player::AppPackages) CopyWhereAppPackagesRead(batch);
  if (HasOtherFormats(batch.added)) {
    StartConversion(event, batch);
    return;
  }
  AppendBatch(event, batch, nullptr);
  FillAssociatedList();
  TellBatch(batch);
}

// Those of other formats join as their copies, where one was made.
void TChimeloDialog::AppendBatch(int event, const SoundBatch& batch, const NameList* copies) {
  const char* copy = copies ? copies->First() : nullptr;
  for (const char* path = batch.added.First(); path; path = batch.added.Next(path)) {
    const char* added = path;
    if (IsConvertible(path)) {
      added = copy;
      if (copy) copy = copies->Next(copy);
    }
    if (added && *added && Sounds.Append(event, added)) SoundsChanged = 1;
  }
}

// After the list shows what was added.
void TChimeloDialog::TellBatch(const SoundBatch& batch) {
  const NameList& notCopied = batch.refused[SoundBatch::NotCopied];
  const int size = SoundBatch::Reasons * (256 + MaxNamed * PathBytes);
  std::unique_ptr<char[]> text(new char[size]);
  DescribeBatch(batch, text.get(), size);
  if (!text[0]) return;
  // One copy that failed, and nothing else, is told so as the Add button
  // always told it.
  int reasons = 0;
  for (const NameList& names : batch.refused) reasons += names.First() != nullptr;
  if (reasons == 1 && notCopied.First() && !notCopied.Next(notCopied.First()))
    MessageBox("The File Can Not Be Copied !", "Chimelo !", MB_OK | MB_ICONSTOP);
  else
    MessageBox(text.get(), "Chimelo !", MB_OK | MB_ICONEXCLAMATION);
}

// Insert adds sounds; every other key is the list's own.
int TChimeloDialog::EvVKeyToItem(UINT key, HWND list) {
  if (key != VK_INSERT || list != AssociatedList->GetHandle()) return -1;
  CmAddSounds();
  return -2;
}

// The row under the pointer is selected, without playing it; from the
// keyboard the menu opens below the selected row. Its Play and Remove act
// on that row.
void TChimeloDialog::EvContextMenu(HWND window, POINT screen) {
  const HWND list = AssociatedList->GetHandle();
  if (window != list) {
    DefaultProcessing();
    return;
  }
  int row = AssociatedList->GetSelIndex();
  if (screen.x == -1 && screen.y == -1) {
    RECT rect;
    if (row < 0 || SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
      GetClientRect(list, &rect);
    screen = {rect.left, row < 0 ? rect.top : rect.bottom};
    ClientToScreen(list, &screen);
  } else {
    POINT client = screen;
    ScreenToClient(list, &client);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (!HIWORD(hit)) AssociatedList->SetSelIndex(row = LOWORD(hit));
  }
  const UINT onRow = row < 0 ? MF_GRAYED : MF_ENABLED;
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, IDM_ADD_SOUNDS, L"&Add Sounds\u2026\tIns");
  AppendMenuW(menu, MF_STRING | onRow, IDM_PLAY, L"&Play");
  AppendMenuW(menu, MF_STRING | onRow, IDC_REMOVE_FROM_CURRENT, L"&Remove From Current");
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, GetHandle(), nullptr);
  DestroyMenu(menu);
}
