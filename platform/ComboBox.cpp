#include "platform/ComboBox.h"

std::size_t TComboBox::Transfer(const void* record) {
  auto& data = *static_cast<const TComboBoxData*>(record);
  ClearList();
  for (int i = 0; i < data.Count; ++i) AddString(data.Strings[i]);
  SetSelIndex(data.SelIndex);
  return sizeof(TComboBoxData);
}
