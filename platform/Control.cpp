#include "platform/Control.h"

#include "platform/Window.h"

TControl::TControl(TWindow* parent, int id) : id_(id) { parent->AddChild(this); }
