#include "platform/FileDialogs.h"

#include <shobjidl.h>

#include "platform/ComReference.h"
#include "platform/SystemLibrary.h"
#include "platform/WindowThreadCom.h"

namespace {

// shell32 makes the item of the folder a dialog starts in.
decltype(&SHCreateItemFromParsingName) MakeItem() {
  static const auto make = LibraryEntry<decltype(&SHCreateItemFromParsingName)>(
      LoadSystemLibrary(L"shell32.dll"), "SHCreateItemFromParsingName");
  return make;
}

// The item's file-system path, into the buffer.
bool ItemPath(IShellItem* item, char* path, int size) {
  wchar_t* name = nullptr;
  if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &name))) return false;
  const bool fits = ToUtf8(name, path, size);
  WindowThreadCom()->free(name);
  return fits;
}

// A dialog with the options added to its own, the title, the file type
// where one is given, and the folder it starts in where that is given and
// there; shown, modal to the owner.
Chosen Show(Reference<IFileOpenDialog>& dialog, HWND owner, FILEOPENDIALOGOPTIONS options,
            const wchar_t* title, const COMDLG_FILTERSPEC* type, const char* startFolder) {
  FILEOPENDIALOGOPTIONS own = 0;
  const ComEntries* com = WindowThreadCom();
  if (!com ||
      FAILED(com->create(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                        reinterpret_cast<void**>(&dialog.pointer))) ||
      FAILED(dialog->GetOptions(&own)) ||
      FAILED(dialog->SetOptions(own | options | FOS_FORCEFILESYSTEM)))
    return Chosen::Unavailable;
  dialog->SetTitle(title);
  if (type) dialog->SetFileTypes(1, type);
  Reference<IShellItem> folder;
  if (startFolder && *startFolder && MakeItem() &&
      SUCCEEDED(MakeItem()(WideText(startFolder), nullptr, IID_IShellItem,
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
