#pragma once
// A popup menu of captions, each with its click handler, shown by its form at a screen point.
#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {

struct MenuItem {
  std::string Caption;  // "-" is a separator
  std::function<void()> OnClick;
};

class PopupMenu {
 public:
  explicit PopupMenu(Form& owner) : owner_(owner) {}

  std::vector<MenuItem> Items;

  // Shows the menu at `screen` (owned by the form's window) and runs the chosen item's handler;
  // nothing runs when the user chose nothing.
  void Popup(platform::Point screen);

 private:
  Form& owner_;
};

}  // namespace ui
