// The filter over the WAV list: the rows shown are those whose path holds
// every word typed, whatever the case of its letters in any script. The
// list holds no rows of its own, so a keystroke only counts and redraws.
#include "dialog/ChimeloDialog.h"
#include "resources/ResourceIds.h"

void TChimeloDialog::FilterChange() {
  wchar_t typed[FilterLength + 1];
  char words[3 * FilterLength + 1], lowered[3 * FilterLength + 1];
  GetDlgItemTextW(GetHandle(), IDC_FILTER, typed, FilterLength + 1);
  if (!ToUtf8(typed, words, sizeof words) || !LowerText(words, lowered, sizeof lowered)) return;
  const char* selected = Listed.Shown(WavList->GetSelIndex());
  Listed.SetFilter(lowered);
  ShowListed(selected);
}

void TChimeloDialog::ShowListed(const char* selected) {
  WavList->SetCount(Listed.ShownCount());
  WavList->SetTopIndex(0);
  WavList->SetSelIndex(selected ? Listed.FindShown(selected) : -1);
}
