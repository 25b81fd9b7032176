#include "platform/Control.h"

#include <memory>

#include "platform/WideText.h"
#include "platform/Window.h"

TControl::TControl(TWindow* parent, int id) : id_(id) { parent->AddChild(this); }

LRESULT TControl::SendText(UINT message, WPARAM wParam, const char* text) const {
  WideText wide(text);
  return Send(message, wParam, reinterpret_cast<LPARAM>(static_cast<const wchar_t*>(wide)));
}

bool TControl::EntryText(UINT lengthMessage, UINT textMessage, int index, char* buffer,
                         int size) const {
  if (size <= 0) return false;
  buffer[0] = '\0';
  const LRESULT length = Send(lengthMessage, static_cast<WPARAM>(index));
  if (length < 0) return false;
  std::unique_ptr<wchar_t[]> text(new wchar_t[length + 1]);
  return Send(textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.get())) >= 0 &&
         ToUtf8(text.get(), buffer, size);
}
