#include "platform/DroppedFiles.h"

#include <shellapi.h>

#include <memory>

#include "platform/SystemLibrary.h"
#include "platform/WideText.h"

void AcceptDroppedFiles(HWND window) {
  SetWindowLongPtrW(window, GWL_EXSTYLE,
                    GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}

POINT TakeDroppedFiles(HDROP drop, NameList& paths) {
  static const HMODULE shell = LoadSystemLibrary(L"shell32.dll");
  static const auto query = LibraryEntry<decltype(&DragQueryFileW)>(shell, "DragQueryFileW");
  static const auto point = LibraryEntry<decltype(&DragQueryPoint)>(shell, "DragQueryPoint");
  static const auto finish = LibraryEntry<decltype(&DragFinish)>(shell, "DragFinish");
  POINT where = {};
  if (!query || !point || !finish) return where;
  point(drop, &where);
  const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    const UINT length = query(drop, index, nullptr, 0);
    std::unique_ptr<wchar_t[]> wide(new wchar_t[length + 1]);
    std::unique_ptr<char[]> path(new char[3 * length + 1]);
    if (query(drop, index, wide.get(), length + 1) && ToUtf8(wide.get(), path.get(), 3 * length + 1))
      paths.Add(path.get());
  }
  finish(drop);
  return where;
}
