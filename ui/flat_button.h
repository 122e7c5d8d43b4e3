#pragma once
// What the flat buttons share: a left press captures the pointer, the button follows the
// pointer in and out while pressed, and a release over it clicks; leaving it elsewhere clicks
// nothing. From the keyboard a button is a tab stop: Space or Enter clicks the focused one, and
// a dotted mark shows which one has the focus.
#include "ui/component.h"

namespace ui {

class FlatButton : public Component {
 public:
  FlatButton(std::string name, Component* parent);

  // The pointer is over the button (or was, when it went down there).
  bool Hot() const { return hot_; }
  // The left button went down on it and is not released yet.
  bool Pressed() const { return pressed_; }
  bool HasFocus() const { return focused_; }

  bool TabStop() const override { return true; }
  AccessibleInfo Accessible() const override;
  bool MouseDown(MouseButton button, platform::Point at, ShiftState shift) override;
  bool MouseUp(MouseButton button, platform::Point at, ShiftState shift) override;
  bool MouseMove(platform::Point at, ShiftState shift) override;
  void MouseLeave() override;
  void CaptureLost() override;
  bool KeyDown(int key, ShiftState shift) override;
  void FocusChanged(bool focused) override;

 protected:
  // A click by pointer or key.
  virtual void Clicked() = 0;
  // The pointer moved over the button, or left it.
  virtual void PointerMoved() {}
  virtual void PointerLeft() {}
  void EnabledChanged() override;
  // The focus mark, drawn last, inside the bevel.
  void PaintFocusMark(platform::Canvas& canvas) const;

 private:
  bool hot_ = false;
  bool pressed_ = false;
  bool focused_ = false;
};

}  // namespace ui
