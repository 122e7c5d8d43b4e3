#include "ui/panel.h"

namespace ui {

void Panel::SetBevelInner(Bevel bevel) {
  bevel_inner_ = bevel;
  Invalidate();
}

void Panel::SetTile(Picture picture) {
  tile_ = std::move(picture);
  tile_bitmap_.reset();
  Invalidate();
}

void Panel::Paint(platform::Canvas& canvas) {
  const platform::Rect all = ClientRect();
  if (tile_.Empty()) {
    canvas.FillRect(all, Color());
  } else {
    if (!tile_bitmap_) tile_bitmap_ = ToTileBitmap(canvas, tile_);
    canvas.Tile(all, *tile_bitmap_, {0, 0});
  }
  if (bevel_inner_ != Bevel::kNone) {
    const bool lowered = bevel_inner_ == Bevel::kLowered;
    canvas.Frame3D(all, lowered ? platform::clBtnShadow : platform::clBtnHighlight,
                   lowered ? platform::clBtnHighlight : platform::clBtnShadow, 1);
  }
  if (!Text().empty()) {
    canvas.SetFont(Font());
    canvas.SetBkMode(platform::BkMode::kTransparent);
    platform::Rect r = all;
    canvas.DrawText(Text(), r,
                    platform::kDtCenter | platform::kDtVCenter | platform::kDtSingleLine |
                        platform::kDtNoPrefix);
  }
}

}  // namespace ui
