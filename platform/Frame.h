#pragma once
#include <memory>

#include "platform/Dialog.h"

// A top-level frame whose whole client area is one client dialog (no
// decorations are inserted). With ShrinkToClient set it takes its first size
// from the client, as FrameSizeForDialog gives it for the template's size;
// from then on the client follows the frame's size.
class TDecoratedFrame : public TWindow {
 public:
  TDecoratedFrame(TWindow* parent, const char* title, TDialog* client, bool trackMenuSelection,
                  HINSTANCE module);
  ~TDecoratedFrame() override;

  // The window class of every frame, by which another process can find one.
  static constexpr wchar_t ClassName[] = L"TDecoratedFrame";

  // Creates the frame's window, then the client's.
  void Create();
  void SetIcon(HINSTANCE module, int resourceId);
  bool PreProcessMessage(MSG& message);
  bool CanClose() override { return client_->CanClose(); }

  bool ShrinkToClient = false;

 protected:
  static const TResponse ResponseRows[];
  static const TResponseTable ResponseTable;
  const TResponseTable& Responses() const override { return ResponseTable; }

  void EvClose();
  void EvDestroy();
  void EvActivate(bool active);
  void EvSetFocus();
  void EvSize(UINT sizeType, int width, int height);

  std::unique_ptr<TDialog> client_;

 private:
  const char* title_;
  HICON icon_ = nullptr;
  HWND focus_ = nullptr;
};

// The size of the frame that the dialog fills for the dialog's own client
// area to be `width` by `height` of its dialog units.
SIZE FrameSizeForDialog(HWND dialog, int width, int height);
