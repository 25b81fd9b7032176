#include "platform/ComboBox.h"

std::size_t TComboBox::Transfer(const void* record) {
  auto& data = *static_cast<const TComboBoxData*>(record);
  ClearList();
  for (const std::string& text : data.Strings) AddString(text.c_str());
  SetSelIndex(data.SelIndex);
  return sizeof(TComboBoxData);
}
