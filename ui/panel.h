#pragma once
// A panel: a coloured rectangle with an optional bevel and a centred caption; parent of the
// components placed on it.
#include "ui/component.h"
#include "ui/picture.h"

namespace ui {

enum class Bevel { kNone, kLowered, kRaised };

class Panel : public Component {
 public:
  using Component::Component;

  Bevel BevelInner() const { return bevel_inner_; }
  void SetBevelInner(Bevel bevel);
  // A picture tiled over the panel (drawn instead of the colour).
  void SetTile(Picture picture);

  void Paint(platform::Canvas& canvas) override;

 private:
  Bevel bevel_inner_ = Bevel::kNone;
  Picture tile_;
  std::unique_ptr<platform::Bitmap> tile_bitmap_;  // made at the first paint
};

}  // namespace ui
