#include "platform/FileDialogs.h"

#include <shobjidl.h>

#include "platform/SystemLibrary.h"

namespace {

// ole32 and shell32 are loaded when a dialog is first asked for, not with
// the program: they bring much of the shell with them.
struct {
  decltype(&CoCreateInstance) create;
  decltype(&CoTaskMemFree) free;
  decltype(&SHCreateItemFromParsingName) item;
} com;

// Tried once. The window's thread is a single-threaded apartment, as the
// dialogs need.
bool LoadCom() {
  static const bool loaded = [] {
    HMODULE ole = LoadSystemLibrary(L"ole32.dll"), shell = LoadSystemLibrary(L"shell32.dll");
    if (!ole || !shell) return false;
    auto initialize = LibraryEntry<decltype(&CoInitializeEx)>(ole, "CoInitializeEx");
    com.create = LibraryEntry<decltype(com.create)>(ole, "CoCreateInstance");
    com.free = LibraryEntry<decltype(com.free)>(ole, "CoTaskMemFree");
    com.item = LibraryEntry<decltype(com.item)>(shell, "SHCreateItemFromParsingName");
    if (!initialize || !com.create || !com.free || !com.item) return false;
    const HRESULT result = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
  }();
  return loaded;
}

// Holds one reference, released when it goes.
template <class Interface>
struct Reference {
  ~Reference() {
    if (pointer) pointer->Release();
  }
  Interface* operator->() const { return pointer; }
  Interface* pointer = nullptr;
};

// The item's file-system path, into the buffer.
bool ItemPath(IShellItem* item, char* path, int size) {
  wchar_t* name = nullptr;
  if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &name))) return false;
  const bool fits = ToUtf8(name, path, size);
  com.free(name);
  return fits;
}

// A dialog with the options added to its own, the title, the file type
// where one is given, and the folder it starts in where that is given and
// there; shown, modal to the owner.
Chosen Show(Reference<IFileOpenDialog>& dialog, HWND owner, FILEOPENDIALOGOPTIONS options,
            const wchar_t* title, const COMDLG_FILTERSPEC* type, const char* startFolder) {
  FILEOPENDIALOGOPTIONS own = 0;
  if (!LoadCom() ||
      FAILED(com.create(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                        reinterpret_cast<void**>(&dialog.pointer))) ||
      FAILED(dialog->GetOptions(&own)) ||
      FAILED(dialog->SetOptions(own | options | FOS_FORCEFILESYSTEM)))
    return Chosen::Unavailable;
  dialog->SetTitle(title);
  if (type) dialog->SetFileTypes(1, type);
  Reference<IShellItem> folder;
  if (startFolder && *startFolder &&
      SUCCEEDED(com.item(WideText(startFolder), nullptr, IID_IShellItem,
                         reinterpret_cast<void**>(&folder.pointer))))
    dialog->SetFolder(folder.pointer);
  const HRESULT shown = dialog->Show(owner);
  if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return Chosen::Cancelled;
  return SUCCEEDED(shown) ? Chosen::Some : Chosen::Unavailable;
}

}  // namespace

Chosen ChooseFiles(HWND owner, const wchar_t* title, const wchar_t* typeName,
                   const wchar_t* typePattern, const char* startFolder, NameList& paths) {
  Reference<IFileOpenDialog> dialog;
  const COMDLG_FILTERSPEC type = {typeName, typePattern};
  Chosen chosen =
      Show(dialog, owner, FOS_ALLOWMULTISELECT | FOS_FILEMUSTEXIST, title, &type, startFolder);
  if (chosen != Chosen::Some) return chosen;
  Reference<IShellItemArray> items;
  DWORD count = 0;
  if (FAILED(dialog->GetResults(&items.pointer)) || FAILED(items->GetCount(&count)))
    return Chosen::Unavailable;
  char path[PathBytes];
  for (DWORD index = 0; index < count; ++index) {
    Reference<IShellItem> item;
    if (SUCCEEDED(items->GetItemAt(index, &item.pointer)) && ItemPath(item.pointer, path, PathBytes))
      paths.Add(path);
  }
  return Chosen::Some;
}

Chosen ChooseFolder(HWND owner, const wchar_t* title, char (&folder)[PathBytes]) {
  Reference<IFileOpenDialog> dialog;
  Chosen chosen = Show(dialog, owner, FOS_PICKFOLDERS, title, nullptr, nullptr);
  if (chosen != Chosen::Some) return chosen;
  Reference<IShellItem> item;
  if (FAILED(dialog->GetResult(&item.pointer)) || !ItemPath(item.pointer, folder, PathBytes))
    return Chosen::Unavailable;
  return Chosen::Some;
}
