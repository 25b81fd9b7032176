#include "platform/ListBox.h"

std::size_t TListBox::Transfer(const void* record) {
  auto& data = *static_cast<const TListBoxData*>(record);
  ClearList();
  for (int i = 0; i < data.Count; ++i) AddString(data.Strings[i]);
  SetSelIndex(data.SelIndex);
  return sizeof(TListBoxData);
}
