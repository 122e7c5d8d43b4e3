#pragma once
// A caption with the extras dialogs want: alignment, word wrap, an optional shadow one pixel
// down and right, a pointer shape, and click and double-click events.
#include <functional>
#include <string>

#include "ui/component.h"

namespace ui {

enum class Alignment { kLeft, kRight, kCenter };

class TExLabel : public Component {
 public:
  using Component::Component;

  // clNone: no shadow.
  platform::Color ShadowColor() const { return shadow_color_; }
  void SetShadowColor(platform::Color color);
  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool wrap);
  bool Transparent() const override { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  ui::Cursor PointerShape() const { return cursor_; }
  void SetPointerShape(ui::Cursor cursor) { cursor_ = cursor; }

  std::function<void(TExLabel&)> OnClick;
  std::function<void(TExLabel&)> OnDblClick;

  void Paint(platform::Canvas& canvas) override;
  AccessibleInfo Accessible() const override {
    return {AccessibleName(), AccessibleRole::kStaticText, Enabled() ? 0 : kAccUnavailable};
  }
  bool MouseDown(MouseButton button, platform::Point at, ShiftState shift) override;
  bool MouseUp(MouseButton button, platform::Point at, ShiftState shift) override;
  bool MouseDoubleClick(MouseButton button, platform::Point at, ShiftState shift) override;
  bool MouseMove(platform::Point at, ShiftState shift) override;

 private:
  platform::Color shadow_color_ = platform::clNone;
  Alignment alignment_ = Alignment::kLeft;
  bool word_wrap_ = false;
  bool transparent_ = false;
  ui::Cursor cursor_ = ui::Cursor::kArrow;
  bool pressed_ = false;
};

}  // namespace ui
