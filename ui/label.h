#pragma once
// A caption on its own: drawn left-aligned, over what lies behind it when transparent.
#include "ui/component.h"

namespace ui {

class Label : public Component {
 public:
  using Component::Component;

  bool Transparent() const override { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }

  void Paint(platform::Canvas& canvas) override;
  AccessibleInfo Accessible() const override {
    return {AccessibleName(), AccessibleRole::kStaticText, Enabled() ? 0 : kAccUnavailable};
  }

 private:
  bool transparent_ = false;
};

}  // namespace ui
