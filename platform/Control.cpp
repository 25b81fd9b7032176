#include "platform/Control.h"

#include "platform/WideText.h"
#include "platform/Window.h"

TControl::TControl(TWindow* parent, int id) : id_(id) { parent->AddChild(this); }

LRESULT TControl::SendText(UINT message, WPARAM wParam, const char* text) const {
  WideText wide(text);
  return Send(message, wParam, reinterpret_cast<LPARAM>(static_cast<const wchar_t*>(wide)));
}
