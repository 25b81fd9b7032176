// The four buttons that change the events' sounds. Each asks its questions
// first and changes the table only after the last one, so a rotation tick
// during a question never sees half a change; each ends by showing the
// current event's sounds again.
#include "dialog/ChimeloDialog.h"
#include "platform/BoundedText.h"

namespace {

const char ReallyRemove[] = "Do You Really Want To Remove This Sound ?";

}  // namespace

// CurrentEvent becomes the selected event; without one, the user is told.
bool TChimeloDialog::TakeSelectedEvent() {
  int event = EventList->GetSelIndex();
  if (event < 0) {
    MessageBox("No System Sound Selected !", "Error", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  CurrentEvent = event;
  return true;
}

void TChimeloDialog::CmAddToCurrent() {
  int wav = WavList->GetSelIndex();
  if (wav < 0 || !TakeSelectedEvent()) return;
  NameList one;
  one.Add(Listed.Shown(wav));
  AddSounds(CurrentEvent, one);
}

void TChimeloDialog::CmAddToAll() {
  int wav = WavList->GetSelIndex();
  if (wav < 0) return;
  if (MessageBox("Do You Really Want To Associate This Sound With Everey System Sound ?",
                 "Chimelo !", MB_YESNO | MB_ICONQUESTION) == IDNO)
    return;
  SoundBatch batch(1);
  batch.Take(Listed.Shown(wav));
  if (!CopyWhatMayGo(batch)) return;
  // The toasts take a copy where they could not read the sound.
  SoundBatch toasts(1);
  if (const char* path = batch.added.First()) toasts.Take(path);
  CopyWhereAppPackagesRead(toasts);
  bool someWereFull = false;
  for (int event = 0; event < EventCount; ++event) {
    const bool toast = EventKeyTable[event].player == Player::AppPackages;
    const char* path = (toast ? toasts : batch).added.First();
    if (!path) continue;
    if (Sounds.Append(event, path))
      SoundsChanged = 1;
    else
      someWereFull = true;
  }
  if (someWereFull)
    MessageBox("One Of The System Sounds Already Had Too Many Sounds !", "Chimelo !",
               MB_OK | MB_ICONINFORMATION);
  FillAssociatedList();
  TellBatch(batch);
  TellBatch(toasts);
}

void TChimeloDialog::CmRemoveFromCurrent() {
  int selected = AssociatedList->GetSelIndex();
  if (selected < 0 || !TakeSelectedEvent()) return;
  if (MessageBox(ReallyRemove, "Chimelo !", MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  Sounds.RemoveAt(CurrentEvent, selected);
  SoundsChanged = 1;
  FillAssociatedList();
}

// Every event loses its first sound that matches the selected one, the
// current event included; the path is copied first, since the removal
// overwrites the slot it is read from.
void TChimeloDialog::CmRemoveFromAll() {
  int selected = AssociatedList->GetSelIndex();
  if (selected < 0) return;
  if (MessageBox(ReallyRemove, "Chimelo !", MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  char path[SoundPathBytes];
  CopyText(path, reinterpret_cast<const char*>(AssociatedList->GetItemData(selected)));
  for (int event = 0; event < EventCount; ++event) {
    int slot = Sounds.FindIgnoringAsciiCase(event, path);
    if (slot >= 0) {
      Sounds.RemoveAt(event, slot);
      SoundsChanged = 1;
    }
  }
  FillAssociatedList();
}
