#pragma once
#include <windows.h>

// WTSRegisterSessionNotification for this session: the window receives
// WM_WTSSESSION_CHANGE as the session is locked, unlocked and so on.
// wtsapi32 is loaded from the system folder, at the first call.
void NotifySessionChanges(HWND window);

// WTSUnRegisterSessionNotification, before the window goes.
void StopSessionNotifications(HWND window);
