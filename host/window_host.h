#pragma once
// The window system as the program entry sees it: what the forms ask of it, and the message
// loop.
#include "ui/form.h"

namespace host {

class WindowHost : public ui::FormHost {
 public:
  // Runs until the main form's window is destroyed or Quit is called; returns the exit code.
  virtual int RunMessageLoop() = 0;
};

}  // namespace host
