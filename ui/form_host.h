#pragma once
// The window system as the forms see it: the window host implements it, and in tests a fake
// logs what each form asked of it.
#include <string>
#include <vector>

#include "platform/geometry.h"

namespace ui {

class Form;

// What a form asks of the window system. Every request acts on the form that makes it.
class FormHost {
 public:
  virtual ~FormHost() = default;
  // Creates the form's window (owned by its owner's, when it has one) and its components'
  // windows, all hidden; false when they cannot be made.
  virtual bool CreateWindows(Form& form) = 0;
  virtual void Show(Form& form) = 0;
  // Shows the form over its disabled owner and runs the messages until the form has a modal
  // result or is closed; then the owner is enabled again and the form hidden.
  virtual void RunModal(Form& form) = 0;
  // A modal form ends its modal loop; the main form destroys its window, which ends the
  // application.
  virtual void Close(Form& form) = 0;
  virtual void Minimize(Form& form) = 0;
  // Shows a popup menu at a screen point, owned by the form's window; the index of the item
  // chosen, -1 when none was.
  virtual int TrackPopupMenu(Form& form, const std::vector<std::string>& items,
                             platform::Point screen) = 0;
  // Ends the message loop with `exit_code`, also from inside modal loops.
  virtual void Quit(int exit_code) = 0;
};

}  // namespace ui
