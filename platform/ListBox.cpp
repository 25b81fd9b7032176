#include "platform/ListBox.h"

#include <memory>

#include "platform/WideText.h"

bool TListBox::GetString(char* buffer, int size, int index) const {
  if (size <= 0) return false;
  buffer[0] = '\0';
  LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return false;
  std::unique_ptr<wchar_t[]> text(new wchar_t[length + 1]);
  return Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.get())) !=
             LB_ERR &&
         ToUtf8(text.get(), buffer, size);
}

std::size_t TListBox::Transfer(const void* record) {
  auto& data = *static_cast<const TListBoxData*>(record);
  ClearList();
  for (int i = 0; i < data.Count; ++i) AddString(data.Strings[i]);
  SetSelIndex(data.SelIndex);
  return sizeof(TListBoxData);
}
