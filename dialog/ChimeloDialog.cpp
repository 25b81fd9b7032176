#include "dialog/ChimeloDialog.h"

#include <cstddef>
#include <cstdio>

#include "platform/Registry.h"
#include "resources/ResourceIds.h"
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

}  // namespace

const TResponse TChimeloDialog::ResponseRows[] = {
    OnCommand<&TChimeloDialog::CmSave>(BN_CLICKED, IDC_SAVE),
    OnDrawItem<&TChimeloDialog::EvDrawItem>(),
    OnMeasureItem<&TChimeloDialog::EvMeasureItem>(),
    OnCtlColor<&TChimeloDialog::EvCtlColor>(),
    OnCommand<&TChimeloDialog::EventSelChange>(LBN_SELCHANGE, IDC_EVENT_LIST),
    OnCommand<&TChimeloDialog::CmStopOrMinimize>(BN_CLICKED, IDCANCEL),
    OnTimer<&TChimeloDialog::RotateSounds>(),
};
const TResponseTable TChimeloDialog::ResponseTable(ResponseRows, &TDialog::ResponseTable);

TChimeloDialog::TChimeloDialog(TWindow* parent, int resourceId, HINSTANCE module)
    : TDialog(parent, resourceId, module) {
  EventList = new TListBox(this, IDC_EVENT_LIST);
  AssociatedList = new TListBox(this, IDC_ASSOCIATED_LIST);
  WavList = new TListBox(this, IDC_WAV_LIST);
  DriveCombo = new TComboBox(this, IDC_DRIVE_COMBO);
  SetTransferBuffer(&ChimeloDialogXfer);
}

void TChimeloDialog::SetupWindow() {
  TDialog::SetupWindow();
  for (int event = 0; event < EventCount; ++event) EventList->AddItemData(EventNumber(event));
  CurrentEvent = 0;
  LoadSettings(Sounds);
  Expanded = FilesListed = Searching = 0;
  EventList->SetSelIndex(0);
  FillAssociatedList();
  SetTimer(GetHandle(), RotationTimer, RotationPeriod, nullptr);

  DriveCombo->FillDriveList();
  DWORD length = GetCurrentDirectoryA(sizeof CurrentDir, CurrentDir);
  if (length == 0 || length >= sizeof CurrentDir) {
    CurrentDir[0] = '\0';  // too long to hold: the selector stays without a selection
    return;
  }
  for (char* c = CurrentDir; *c; ++c)
    if (*c >= 'A' && *c <= 'Z') *c = static_cast<char>(*c - 'A' + 'a');
  char prefix[8];
  std::snprintf(prefix, sizeof prefix, "[-%c-]", CurrentDir[0]);
  DriveCombo->SetSelString(prefix);
}

void TChimeloDialog::CleanupWindow() {
  TDialog::CleanupWindow();
  KillTimer(GetHandle(), RotationTimer);
  SaveSettings(Sounds);
}

void TChimeloDialog::CmSave() { SaveSettings(Sounds); }

// Cancel and Escape stop a running walk; otherwise they minimise the frame,
// and the rotation goes on.
void TChimeloDialog::CmStopOrMinimize() {
  if (Searching) {
    Searching = 0;
    FilesListed = 0;
    return;
  }
  ShowWindow(Parent()->GetHandle(), SW_MINIMIZE);
}

void TChimeloDialog::EventSelChange() { FillAssociatedList(); }

// Entry k refers to slot k of the current event, so the list shows the
// slots as they are whenever it paints.
void TChimeloDialog::FillAssociatedList() {
  AssociatedList->ClearList();
  int selected = EventList->GetSelIndex();
  if (selected < 0) return;
  CurrentEvent = selected;
  for (int slot = 0; slot < Sounds.SoundCount(CurrentEvent); ++slot)
    AssociatedList->AddItemData(reinterpret_cast<LPARAM>(Sounds.Slot(CurrentEvent, slot)));
}

void TChimeloDialog::RotateSounds(UINT) {
  DefaultProcessing();
  ::RotateSounds(Sounds, Picks, SystemRegistry());
}
