#include "platform/ComboBox.h"

// CB_DIR asks the type of every letter from a to z, half a millisecond each
// under Wine; only the letters in use are asked here.
void TComboBox::FillDriveList() const {
  const DWORD drives = GetLogicalDrives();
  char root[] = "a:\\", entry[] = "[-a-]";
  for (int letter = 0; letter < 26; ++letter) {
    if (!(drives & (1u << letter))) continue;
    root[0] = entry[2] = static_cast<char>('a' + letter);
    if (GetDriveTypeA(root) > DRIVE_NO_ROOT_DIR) AddString(entry);
  }
}

std::size_t TComboBox::Transfer(const void* record) {
  auto& data = *static_cast<const TComboBoxData*>(record);
  ClearList();
  for (int i = 0; i < data.Count; ++i) AddString(data.Strings[i]);
  SetSelIndex(data.SelIndex);
  return sizeof(TComboBoxData);
}
