// Selecting a sound in either list plays it at once, in the background; a
// long file is asked about first.
#include "dialog/ChimeloDialog.h"
#include "platform/File.h"
#include "platform/Sound.h"

namespace {
// Bytes: one million, not a mebibyte.
const long long LongSoundSize = 1000000;
}  // namespace

void TChimeloDialog::AssociatedSelChange() {
  int selected = AssociatedList->GetSelIndex();
  if (selected < 0) return;
  // Played straight from its slot, a path of any length fits.
  PreviewSound(reinterpret_cast<const char*>(AssociatedList->GetItemData(selected)));
}

void TChimeloDialog::WavSelChange() {
  int selected = WavList->GetSelIndex();
  char path[SoundPathBytes];
  if (selected < 0 || !WavList->GetString(path, sizeof path, selected)) return;
  PreviewSound(path);
}

// A file that cannot be opened counts as empty: it is not asked about, and
// plays nothing.
void TChimeloDialog::PreviewSound(const char* path) {
  long long size = 0;
  if (TFile file = TFile::OpenForReading(path); file.IsOpen()) size = file.Size();
  if (size > LongSoundSize &&
      MessageBox("This Is A Long Sound File.\nDo You Still Want To Listen To It ?", "Chimelo !",
                 MB_YESNO | MB_ICONQUESTION) == IDNO)
    return;
  PlaySoundFile(path);
}
