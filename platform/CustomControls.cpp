#include "platform/CustomControls.h"

#include "platform/SystemLibrary.h"

namespace CustomControls {
namespace {

using MessageBoxEntry = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
using IntlInitEntry = BOOL(WINAPI*)(UINT);
using RegisterEntry = BOOL(WINAPI*)(HINSTANCE);
using IntlTermEntry = BOOL(WINAPI*)();

HMODULE library;
MessageBoxEntry messageBox;

template <class Entry>
Entry Lookup(const char* name) {
  return LibraryEntry<Entry>(library, name);
}

}  // namespace

bool TurnOn(HINSTANCE instance, WORD language) {
  if (library) return true;
  library = LoadSystemLibrary(L"BWCC32.DLL");
  if (!library) return false;
  messageBox = Lookup<MessageBoxEntry>("BWCCMessageBox");
  if (!messageBox) {
    TurnOff();
    return false;
  }
  if (auto init = Lookup<IntlInitEntry>("BWCCIntlInit")) init(language);
  if (auto registerClasses = Lookup<RegisterEntry>("BWCCRegister")) registerClasses(instance);
  return true;
}

void TurnOff() {
  if (!library) return;
  if (messageBox)
    if (auto term = Lookup<IntlTermEntry>("BWCCIntlTerm")) term();
  FreeLibrary(library);
  library = nullptr;
  messageBox = nullptr;
}

bool IsOn() { return messageBox != nullptr; }

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return messageBox(owner, text, caption, type);
}

}  // namespace CustomControls
