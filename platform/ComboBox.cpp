#include "platform/ComboBox.h"

#include "platform/WideText.h"

// CB_DIR asks the type of every letter from a to z, half a millisecond each
// under Wine; only the letters in use are asked here.
void TComboBox::FillDriveList() const {
  const DWORD drives = GetLogicalDrives();
  wchar_t root[] = L"a:\\";
  char entry[] = "[-a-]";
  for (int letter = 0; letter < 26; ++letter) {
    if (!(drives & (1u << letter))) continue;
    root[0] = static_cast<wchar_t>(L'a' + letter);
    entry[2] = static_cast<char>('a' + letter);
    if (GetDriveTypeW(root) > DRIVE_NO_ROOT_DIR) AddString(entry);
  }
}

bool TComboBox::GetText(char* buffer, int size) const {
  wchar_t text[MAX_PATH];
  GetWindowTextW(GetHandle(), text, MAX_PATH);
  return ToUtf8(text, buffer, size);
}

std::size_t TComboBox::Transfer(const void* record) {
  auto& data = *static_cast<const TComboBoxData*>(record);
  ClearList();
  for (int i = 0; i < data.Count; ++i) AddString(data.Strings[i]);
  SetSelIndex(data.SelIndex);
  return sizeof(TComboBoxData);
}
