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

// An icon loaded from a module by id and destroyed with the object.
class TIcon {
 public:
  TIcon(HINSTANCE module, int id) : handle_(LoadIconA(module, MAKEINTRESOURCEA(id))) {
    if (!handle_) throw TXGdi();
  }
  ~TIcon() { DestroyIcon(handle_); }
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  operator HICON() const { return handle_; }

 private:
  HICON handle_;
};

inline HBRUSH StockBrush(int id) { return static_cast<HBRUSH>(GetStockObject(id)); }
