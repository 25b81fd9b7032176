#pragma once
#include "platform/Frame.h"

// The main frame: hosts the main dialog and asks before it closes.
class SDIDecFrame : public TDecoratedFrame {
 public:
  // Without a client of its own it makes the main dialog its client.
  SDIDecFrame(TWindow* parent, const char* title, TDialog* client, bool trackMenuSelection,
              HINSTANCE module);

  void ConfirmClose(int code) override;

 protected:
  static const TResponse ResponseRows[];
  static const TResponseTable ResponseTable;
  const TResponseTable& Responses() const override { return ResponseTable; }

  void EvCreate();
  void EvDestroy();
  void EvQueryEndSession(bool onlyThisProgram);
  void EvEndSession(bool ending, bool onlyThisProgram);
  void EvSessionChange(UINT change);
};
