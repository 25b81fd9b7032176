#pragma once
#include "platform/Application.h"

class chimeloApp : public TApplication {
 public:
  chimeloApp();

 protected:
  void BuildMainWindow() override;
};
