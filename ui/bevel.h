#pragma once
// A separator: an etched line along the top of the component.
#include "ui/component.h"

namespace ui {

class TBevel : public Component {
 public:
  using Component::Component;

  bool Transparent() const override { return true; }
  void Paint(platform::Canvas& canvas) override;
};

}  // namespace ui
