#pragma once
#include <windows.h>

#include "platform/Exception.h"

// The framework's graphics error.
class TXGdi : public xmsg {
 public:
  TXGdi() : xmsg("GDI failure") {}
};

// Selects an object into a device context and puts the previous one back
// when it goes, on every path out.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~TSelection() { SelectObject(dc_, previous_); }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// An icon loaded from a module by id, the image of this size in pixels or
// the one nearest to it, and destroyed with the object. Not shared: a
// shared icon comes in the size first asked for, whatever the size asked.
class TIcon {
 public:
  TIcon(HINSTANCE module, int id, int size)
      : handle_(static_cast<HICON>(
            LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0))) {
    if (!handle_) throw TXGdi();
  }
  ~TIcon() { DestroyIcon(handle_); }
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  operator HICON() const { return handle_; }

 private:
  HICON handle_;
};

// A pen made by the caller and deleted with the object.
class TPen {
 public:
  explicit TPen(HPEN handle) : handle_(handle) {}
  ~TPen() { DeleteObject(handle_); }
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  operator HPEN() const { return handle_; }

 private:
  HPEN handle_;
};
