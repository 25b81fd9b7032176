#pragma once
#include <windows.h>

#include <cstddef>

class TWindow;

// The seven WM_CTLCOLOR* messages arrive at handlers as this one request,
// with the control type = message - WM_CTLCOLORMSGBOX (2 is a list box).
constexpr UINT WM_CTLCOLOR = 0x19;
constexpr int AnyId = -1;

// One row of a window class's response table: which message (for commands,
// which notification from which control) goes to which handler.
struct TResponse {
  UINT message;
  UINT code;  // the notification code of a WM_COMMAND
  int id;     // the control id of a WM_COMMAND, the timer id of a WM_TIMER, or AnyId
  LRESULT (*dispatch)(TWindow& window, UINT message, WPARAM wParam, LPARAM lParam);
};

// A class's rows, then its base class's table: lookup goes from the most
// derived class up, and the first matching row wins.
struct TResponseTable {
  template <std::size_t N>
  constexpr TResponseTable(const TResponse (&rows)[N], const TResponseTable* base)
      : rows(rows), count(N), base(base) {}
  constexpr explicit TResponseTable(const TResponseTable* base)
      : rows(nullptr), count(0), base(base) {}

  const TResponse* rows;
  std::size_t count;
  const TResponseTable* base;
};

template <class>
struct HandlerTraits;
template <class T, class R, class... Args>
struct HandlerTraits<R (T::*)(Args...)> {
  using Class = T;
};
template <auto Handler>
using HandlerClass = typename HandlerTraits<decltype(Handler)>::Class;

// The makers below each unpack one message for one handler signature; this
// is the only place where wParam and lParam are taken apart.

// void Handler(): a notification from a control, such as a button click.
template <auto Handler>
constexpr TResponse OnCommand(UINT code, int id) {
  return {WM_COMMAND, code, id, [](TWindow& window, UINT, WPARAM, LPARAM) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)();
            return 0;
          }};
}

// void Handler(): a message without arguments, such as WM_CLOSE.
template <auto Handler>
constexpr TResponse OnMessage(UINT message) {
  return {message, 0, AnyId, [](TWindow& window, UINT, WPARAM, LPARAM) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)();
            return 0;
          }};
}

// void Handler(): a tick of the window's timer with this id.
template <auto Handler>
constexpr TResponse OnTimer(int timerId) {
  return {WM_TIMER, 0, timerId, [](TWindow& window, UINT, WPARAM, LPARAM) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)();
            return 0;
          }};
}

// void Handler(UINT controlId, DRAWITEMSTRUCT& draw)
template <auto Handler>
constexpr TResponse OnDrawItem() {
  return {WM_DRAWITEM, 0, AnyId,
          [](TWindow& window, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(
                static_cast<UINT>(wParam), *reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
          }};
}

// void Handler(UINT controlId, MEASUREITEMSTRUCT& measure)
template <auto Handler>
constexpr TResponse OnMeasureItem() {
  return {WM_MEASUREITEM, 0, AnyId,
          [](TWindow& window, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(
                static_cast<UINT>(wParam), *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
          }};
}

// HBRUSH Handler(HDC dc, HWND control, UINT controlType)
template <auto Handler>
constexpr TResponse OnCtlColor() {
  return {WM_CTLCOLOR, 0, AnyId,
          [](TWindow& window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            return reinterpret_cast<LRESULT>((static_cast<HandlerClass<Handler>&>(window).*Handler)(
                reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                message - WM_CTLCOLORMSGBOX));
          }};
}

// void Handler(UINT sizeType, int width, int height)
template <auto Handler>
constexpr TResponse OnSize() {
  return {WM_SIZE, 0, AnyId, [](TWindow& window, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(static_cast<UINT>(wParam),
                                                                   LOWORD(lParam), HIWORD(lParam));
            return 0;
          }};
}

// void Handler(bool onlyThisProgram): the session may end, or only this
// program be closed (ENDSESSION_CLOSEAPP, by an installer or update); the
// answer is yes.
template <auto Handler>
constexpr TResponse OnQueryEndSession() {
  return {WM_QUERYENDSESSION, 0, AnyId,
          [](TWindow& window, UINT, WPARAM, LPARAM lParam) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)((lParam & ENDSESSION_CLOSEAPP) !=
                                                                   0);
            return TRUE;
          }};
}

// void Handler(bool ending, bool onlyThisProgram): the session ends now, or
// does not after all; or only this program is closed (ENDSESSION_CLOSEAPP,
// by an installer or update through the Restart Manager) and the session
// goes on.
template <auto Handler>
constexpr TResponse OnEndSession() {
  return {WM_ENDSESSION, 0, AnyId,
          [](TWindow& window, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(
                wParam != FALSE, (lParam & ENDSESSION_CLOSEAPP) != 0);
            return 0;
          }};
}

// void Handler(UINT change): the session changed, WTS_SESSION_UNLOCK and so
// on, for a window that asked WTSRegisterSessionNotification.
template <auto Handler>
constexpr TResponse OnSessionChange() {
  return {WM_WTSSESSION_CHANGE, 0, AnyId,
          [](TWindow& window, UINT, WPARAM wParam, LPARAM) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(static_cast<UINT>(wParam));
            return 0;
          }};
}

// void Handler(Result* result): a message that a worker thread posted, its
// result's address in lParam.
template <auto Handler, class Result>
constexpr TResponse OnPosted(UINT message) {
  return {message, 0, AnyId, [](TWindow& window, UINT, WPARAM, LPARAM lParam) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(
                reinterpret_cast<Result*>(lParam));
            return 0;
          }};
}

// void Handler(HWND window, POINT screen): the window's context menu is
// asked for, by the right button at that point, or by the keyboard (the
// menu key, Shift+F10) with the point {-1, -1}.
template <auto Handler>
constexpr TResponse OnContextMenu() {
  return {WM_CONTEXTMENU, 0, AnyId,
          [](TWindow& window, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(
                reinterpret_cast<HWND>(wParam),
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
          }};
}

// int Handler(UINT key, HWND list): a key pressed in a list box with
// LBS_WANTKEYBOARDINPUT. Returns -1 for the list's own handling, -2 when
// the key was handled.
template <auto Handler>
constexpr TResponse OnVKeyToItem() {
  return {WM_VKEYTOITEM, 0, AnyId,
          [](TWindow& window, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {
            return (static_cast<HandlerClass<Handler>&>(window).*Handler)(
                LOWORD(wParam), reinterpret_cast<HWND>(lParam));
          }};
}

// void Handler(HDROP drop): files dropped on a window with
// WS_EX_ACCEPTFILES.
template <auto Handler>
constexpr TResponse OnDropFiles() {
  return {WM_DROPFILES, 0, AnyId, [](TWindow& window, UINT, WPARAM wParam, LPARAM) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(reinterpret_cast<HDROP>(wParam));
            return 0;
          }};
}

// void Handler(bool active): the window becomes the active window, or
// another does.
template <auto Handler>
constexpr TResponse OnActivate() {
  return {WM_ACTIVATE, 0, AnyId, [](TWindow& window, UINT, WPARAM wParam, LPARAM) -> LRESULT {
            (static_cast<HandlerClass<Handler>&>(window).*Handler)(LOWORD(wParam) != WA_INACTIVE);
            return 0;
          }};
}
