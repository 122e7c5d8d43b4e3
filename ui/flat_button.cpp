#include "ui/flat_button.h"

#include "platform/canvas.h"

namespace ui {

FlatButton::FlatButton(std::string name, Component* parent) : Component(std::move(name), parent) {}

bool FlatButton::MouseDown(MouseButton button, platform::Point, ShiftState) {
  if (button != MouseButton::kLeft || !Enabled()) return false;
  pressed_ = hot_ = true;
  if (View()) View()->SetCapture(true);
  Invalidate();
  return true;
}

bool FlatButton::MouseUp(MouseButton button, platform::Point at, ShiftState) {
  if (button != MouseButton::kLeft || !pressed_) return false;
  pressed_ = false;
  if (View()) View()->SetCapture(false);
  Invalidate();
  if (Enabled() && ClientRect().Contains(at)) Clicked();
  return true;
}

bool FlatButton::MouseMove(platform::Point at, ShiftState) {
  if (!Enabled()) return false;
  // While pressed the button follows the pointer in and out of it.
  const bool inside = ClientRect().Contains(at);
  if (inside != hot_) {
    hot_ = inside;
    Invalidate();
  }
  PointerMoved();
  return true;
}

void FlatButton::MouseLeave() {
  if (hot_ && !pressed_) {
    hot_ = false;
    Invalidate();
  }
  PointerLeft();
}

void FlatButton::CaptureLost() {
  // Another window took the pointer in mid-press: the press is abandoned, not clicked.
  if (!pressed_) return;
  pressed_ = hot_ = false;
  Invalidate();
}

bool FlatButton::KeyDown(int key, ShiftState) {
  if ((key != kVkSpace && key != kVkReturn) || !Enabled()) return false;
  Clicked();
  return true;
}

void FlatButton::FocusChanged(bool focused) {
  if (focused == focused_) return;
  focused_ = focused;
  Invalidate();
}

void FlatButton::EnabledChanged() {
  hot_ = pressed_ = false;
  Invalidate();
}

AccessibleInfo FlatButton::Accessible() const {
  AccessibleStates states = kAccFocusable;
  if (!Enabled()) states |= kAccUnavailable;
  if (pressed_ && hot_) states |= kAccPressed;
  if (focused_) states |= kAccFocused;
  return {AccessibleName(), AccessibleRole::kPushButton, states};
}

void FlatButton::PaintFocusMark(platform::Canvas& canvas) const {
  if (!focused_) return;
  const platform::Rect all = ClientRect();
  canvas.DrawFocusRect({all.left + 2, all.top + 2, all.right - 2, all.bottom - 2});
}

}  // namespace ui
