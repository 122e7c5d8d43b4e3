#pragma once
// The window system as the program entry sees it: windows for a form and its components, and
// the message loop.
namespace ui {
class Form;
}

namespace platform {

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Creates the form's window and its components' windows, all hidden.
  virtual bool CreateWindows(ui::Form& form) = 0;
  virtual void Show(ui::Form& form) = 0;
  // Runs until the main form's window is closed; returns the exit code.
  virtual int RunMessageLoop() = 0;
};

}  // namespace platform
