#include "platform/SessionNotifications.h"

#include <wtsapi32.h>

#include "platform/SystemLibrary.h"

namespace {

HMODULE Wtsapi() {
  static const HMODULE library = LoadSystemLibrary(L"wtsapi32.dll");
  return library;
}

}  // namespace

void NotifySessionChanges(HWND window) {
  static const auto notify = LibraryEntry<decltype(&WTSRegisterSessionNotification)>(
      Wtsapi(), "WTSRegisterSessionNotification");
  if (notify) notify(window, NOTIFY_FOR_THIS_SESSION);
}

void StopSessionNotifications(HWND window) {
  static const auto stop = LibraryEntry<decltype(&WTSUnRegisterSessionNotification)>(
      Wtsapi(), "WTSUnRegisterSessionNotification");
  if (stop) stop(window);
}
