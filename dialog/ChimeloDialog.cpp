#include "dialog/ChimeloDialog.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "platform/DroppedFiles.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/Sound.h"
#include "resources/ResourceIds.h"
#include "scheme/AsciiCase.h"
#include "scheme/PickGenerator.h"
#include "scheme/RotateSounds.h"
#include "scheme/Settings.h"

namespace {

// The dialog's transfer record: its controls start as this leaves them,
// empty.
struct TChimeloDialogXfer {
  TListBoxData EventList;
  TListBoxData AssociatedList;
  TListBoxData WavList;
  TComboBoxData DriveCombo;
};
static_assert(offsetof(TChimeloDialogXfer, DriveCombo) == 3 * sizeof(TListBoxData),
              "the controls take their records one after the other");
TChimeloDialogXfer ChimeloDialogXfer;

// One sequence of picks for the whole run.
PickGenerator Picks;

const char MissingSound[] = "This Sound's File Is Missing";

}  // namespace

const TResponse TChimeloDialog::ResponseRows[] = {
    OnCommand<&TChimeloDialog::CmFiles>(BN_CLICKED, IDC_FILES),
    OnCommand<&TChimeloDialog::CmSave>(BN_CLICKED, IDC_SAVE),
    OnDrawItem<&TChimeloDialog::EvDrawItem>(),
    OnMeasureItem<&TChimeloDialog::EvMeasureItem>(),
    OnCtlColor<&TChimeloDialog::EvCtlColor>(),
    OnCommand<&TChimeloDialog::EventSelChange>(LBN_SELCHANGE, IDC_EVENT_LIST),
    OnCommand<&TChimeloDialog::AssociatedSelChange>(LBN_SELCHANGE, IDC_ASSOCIATED_LIST),
    OnCommand<&TChimeloDialog::CmStopOrMinimize>(BN_CLICKED, IDCANCEL),
    OnCommand<&TChimeloDialog::WavSelChange>(LBN_SELCHANGE, IDC_WAV_LIST),
    OnCommand<&TChimeloDialog::CmRemoveFromCurrent>(BN_CLICKED, IDC_REMOVE_FROM_CURRENT),
    OnCommand<&TChimeloDialog::CmAddToCurrent>(BN_CLICKED, IDC_ADD_TO_CURRENT),
    OnCommand<&TChimeloDialog::CmAddToAll>(BN_CLICKED, IDC_ADD_TO_ALL),
    OnCommand<&TChimeloDialog::CmRemoveFromAll>(BN_CLICKED, IDC_REMOVE_FROM_ALL),
    OnTimer<&TChimeloDialog::RotateSounds>(RotationTimer),
    OnCommand<&TChimeloDialog::DriveSelChange>(CBN_SELCHANGE, IDC_DRIVE_COMBO),
    OnMessage<&TChimeloDialog::EvSetCursor>(WM_SETCURSOR),
    OnCommand<&TChimeloDialog::CmAddSounds>(BN_CLICKED, IDM_ADD_SOUNDS),
    OnCommand<&TChimeloDialog::AssociatedSelChange>(BN_CLICKED, IDM_PLAY),
    OnVKeyToItem<&TChimeloDialog::EvVKeyToItem>(),
    OnContextMenu<&TChimeloDialog::EvContextMenu>(),
    OnDropFiles<&TChimeloDialog::EvDropFiles>(),
    OnCommand<&TChimeloDialog::FilterChange>(EN_CHANGE, IDC_FILTER),
    OnTimer<&TChimeloDialog::ShowConversionProgress>(ConversionTimer),
    OnMessage<&TChimeloDialog::AskToCut>(SoundConversion::AskToCut),
    OnMessage<&TChimeloDialog::EndConversion>(SoundConversion::Done),
    OnPosted<&TChimeloDialog::EvSoundsChecked, MissingSoundsCheck>(SoundsChecked),
};
const TResponseTable TChimeloDialog::ResponseTable(ResponseRows, &TDialog::ResponseTable);

TChimeloDialog::TChimeloDialog(TWindow* parent, int resourceId, HINSTANCE module)
    : TDialog(parent, resourceId, module) {
  EventList = new TListBox(this, IDC_EVENT_LIST);
  AssociatedList = new TListBox(this, IDC_ASSOCIATED_LIST);
  WavList = new TVirtualListBox(this, IDC_WAV_LIST);
  DriveCombo = new TComboBox(this, IDC_DRIVE_COMBO);
  SetTransferBuffer(&ChimeloDialogXfer);
}

void TChimeloDialog::SetupWindow() {
  TDialog::SetupWindow();
  // An entry's text is what a screen reader reads out; its item data is what
  // the list draws from.
  for (int event = 0; event < EventCount; ++event)
    EventList->SetItemData(EventList->AddString(EventKeyTable[event].name), EventNumber(event));
  CurrentEvent = 0;
  NameSettingsFile();
  SettingsUnreadable = !LoadSettings(Sounds, SettingsFile);
  SoundsChanged = 0;
  Expanded = FilesListed = Searching = 0;
  EventList->SetSelIndex(0);
  FillAssociatedList();
  SetTimer(GetHandle(), RotationTimer, RotationPeriod, nullptr);
  AcceptDroppedFiles(GetHandle());
  WavList->AnswerTexts(*this, [](const TWindow& dialog, int row) {
    return static_cast<const TChimeloDialog&>(dialog).Listed.Shown(row);
  });
  SendDlgItemMessageW(GetHandle(), IDC_FILTER, EM_LIMITTEXT, FilterLength, 0);

  DriveCombo->FillDriveList();
  DriveCombo->InsertString(ChooseFolderEntry, -1);
  // Too long to hold, the selector stays without a selection.
  if (!CurrentDirectory(CurrentDir, sizeof CurrentDir)) return;
  LowerAsciiLetters(CurrentDir);
  char prefix[8];
  std::snprintf(prefix, sizeof prefix, "[-%c-]", CurrentDir[0]);
  LastWalkEntry = DriveCombo->SetSelString(prefix);
}

void TChimeloDialog::CleanupWindow() {
  TDialog::CleanupWindow();
  // The program ends in the middle of a walk: the walk stops, and the
  // settings are written where they were found. The controls of a dialog
  // that is going are left as they are.
  if (Searching) StopWalk();
  AbandonConversion();
  KillTimer(GetHandle(), RotationTimer);
  if (!SettingsUnreadable) SaveSettings(Sounds, SettingsFile);
}

// By the start-up directory's full path, where it can be had.
void TChimeloDialog::NameSettingsFile() {
  char directory[PathBytes];
  const bool full = CurrentDirectory(directory, sizeof directory);
  const std::size_t length = full ? std::strlen(directory) : 0;
  const int written = std::snprintf(SettingsFile, sizeof SettingsFile, "%s%schimelo.ini",
                                    full ? directory : ".",
                                    length && directory[length - 1] == '\\' ? "" : "\\");
  if (written < 0 || written >= static_cast<int>(sizeof SettingsFile))
    std::snprintf(SettingsFile, sizeof SettingsFile, ".\\chimelo.ini");
}

// Changed sounds are saved before the window goes, so that a save that
// fails (a folder that cannot be written) can still keep it open.
bool TChimeloDialog::CanClose() {
  AbandonConversion();
  if (SettingsUnreadable) {
    if (Sounds.IsEmpty()) return true;
    return MessageBox(
               "chimelo.ini Could Not Be Read When Chimelo Started, So Chimelo Does Not Write Over "
               "It.\nThe Sounds You Added Will Be Lost.\nClose Anyway ?",
               "Chimelo !", MB_YESNO | MB_ICONEXCLAMATION) != IDNO;
  }
  if (!SoundsChanged) return true;
  // A walk stops, as at Cancel.
  if (Searching) {
    FilesListed = 0;
    EndWalk();
  }
  if (SaveSettings(Sounds, SettingsFile)) {
    SoundsChanged = 0;
    return true;
  }
  return MessageBox("The Sounds Could Not Be Saved In chimelo.ini !\nClose Anyway ?", "Chimelo !",
                    MB_YESNO | MB_ICONEXCLAMATION) != IDNO;
}

void TChimeloDialog::CmSave() {
  if (SettingsUnreadable)
    MessageBox(
        "chimelo.ini Could Not Be Read When Chimelo Started.\nChimelo Does Not Write Over It, So "
        "That The Sounds In It Are Kept.",
        "Error", MB_OK | MB_ICONEXCLAMATION);
  else if (SaveSettings(Sounds, SettingsFile))
    SoundsChanged = 0;
  else
    MessageBox("The Sounds Could Not Be Saved In chimelo.ini !", "Error",
               MB_OK | MB_ICONEXCLAMATION);
}

// Escape in the filter empties it. Otherwise Cancel and Escape stop a
// running conversion or walk, or else minimise the frame, and the rotation
// goes on.
void TChimeloDialog::CmStopOrMinimize() {
  const HWND filter = GetDlgItem(GetHandle(), IDC_FILTER);
  if (GetFocus() == filter && GetWindowTextLengthW(filter)) {
    SetWindowTextW(filter, L"");
    return;
  }
  if (Converting) {
    StopConversion();
    return;
  }
  if (Searching) {
    Searching = 0;
    FilesListed = 0;
    return;
  }
  ShowWindow(Parent()->GetHandle(), SW_MINIMIZE);
}

void TChimeloDialog::EventSelChange() { FillAssociatedList(); }

// The pointer is over the window: the events' names can be needed now.
void TChimeloDialog::EvSetCursor() {
  EventTips.Create(*EventList, *this, [](const TWindow&, int row) { return EventKeyTable[row].name; });
  SoundTips.Create(*AssociatedList, *this, [](const TWindow& dialog, int row) {
    return static_cast<const TChimeloDialog&>(dialog).SoundMissing[row] ? MissingSound : "";
  });
  DefaultProcessing();
}

// Entry k refers to slot k of the current event, so the list shows the
// slots as they are whenever it paints; its text, the path, is read out.
void TChimeloDialog::FillAssociatedList() {
  AssociatedList->ClearList();
  int selected = EventList->GetSelIndex();
  if (selected < 0) return;
  CurrentEvent = selected;
  for (int slot = 0; slot < Sounds.SoundCount(CurrentEvent); ++slot) {
    const char* path = Sounds.Slot(CurrentEvent, slot);
    AssociatedList->SetItemData(AssociatedList->AddString(path), reinterpret_cast<LPARAM>(path));
  }
  CheckMissingSounds();
}

void TChimeloDialog::RotateSounds() {
  DefaultProcessing();
  ::RotateSounds(Sounds, Picks, SystemRegistry(), !SystemPlaysSessionSounds());
}
