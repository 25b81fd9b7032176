#pragma once
#include "platform/Application.h"

class chimeloApp : public TApplication {
 public:
  chimeloApp();

  // The application's name, which is also the frame's caption.
  static constexpr char Name[] = "Chimelo ! (Freeware)";

 protected:
  void BuildMainWindow() override;
  void InitInstance() override;
};
