#pragma once
// The windows the host made for one form, opaque to the form, which owns them.

namespace ui {

// Destroying it destroys the windows.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
};

}  // namespace ui
