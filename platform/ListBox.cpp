#include "platform/ListBox.h"

bool TListBox::GetString(char* buffer, int size, int index) const {
  if (size <= 0) return false;
  buffer[0] = '\0';
  LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR || length >= size) return false;
  return Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)) != LB_ERR;
}

std::size_t TListBox::Transfer(const void* record) {
  auto& data = *static_cast<const TListBoxData*>(record);
  ClearList();
  for (int i = 0; i < data.Count; ++i) AddString(data.Strings[i]);
  SetSelIndex(data.SelIndex);
  return sizeof(TListBoxData);
}
