#include "ui/speed_button.h"

#include "platform/canvas.h"
#include "ui/raster.h"

namespace ui {

Picture GreyedPicture(const Picture& picture) {
  Picture grey = picture;
  const platform::Color key = TransparentColor(picture);
  for (platform::Color& c : grey.pixels) {
    if (c == key) continue;
    const int light =
        (platform::RedOf(c) * 30 + platform::GreenOf(c) * 59 + platform::BlueOf(c) * 11) / 100;
    const int shade = 128 + light / 2;  // from mid grey to near white
    c = platform::Rgb(shade, shade, shade);
  }
  return grey;
}

TSpeedButton::TSpeedButton(std::string name, Component* parent)
    : FlatButton(std::move(name), parent) {}

void TSpeedButton::SetGlyph(Picture glyph) {
  glyph_ = std::move(glyph);
  glyph_bitmap_.reset();
  disabled_bitmap_.reset();
  Invalidate();
}

void TSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down_ && group_index_ != 0 && Parent()) {
    for (Component* sibling : Parent()->Children()) {
      auto* other = dynamic_cast<TSpeedButton*>(sibling);
      if (other && other != this && other->group_index_ == group_index_) other->SetDown(false);
    }
  }
  Invalidate();
}

void TSpeedButton::Click() {
  if (group_index_ != 0) SetDown(true);
  if (OnClick) OnClick(*this);
}

void TSpeedButton::Paint(platform::Canvas& canvas) {
  const platform::Rect all = ClientRect();
  const bool sunk = down_ || (Pressed() && Hot());
  if (down_) {
    // A button that is down shows a lighter face than the surface it sits on.
    const platform::Color ground =
        Parent() ? canvas.ResolveColor(Parent()->Color()) : platform::clWhite;
    canvas.FillRect({all.left + 1, all.top + 1, all.right - 1, all.bottom - 1},
                    Blend(ground, platform::clWhite, 1, 2));
  }
  if (sunk)
    canvas.Frame3D(all, platform::clGray, platform::clWhite, 1);
  else if (Hot() && Enabled())
    canvas.Frame3D(all, platform::clWhite, platform::clGray, 1);
  PaintFace(canvas);
  PaintFocusMark(canvas);
}

void TSpeedButton::PaintFace(platform::Canvas& canvas) {
  const platform::Rect all = ClientRect();
  const int shift = down_ || (Pressed() && Hot()) ? 1 : 0;
  platform::Font font = Font();
  if (!Enabled()) font.color = platform::clGrayText;
  canvas.SetFont(font);
  canvas.SetBkMode(platform::BkMode::kTransparent);
  const int text_width = Text().empty() ? 0 : canvas.TextWidth(Text());
  const int glyph_width = glyph_.Empty() ? 0 : glyph_.width;
  const int gap = text_width > 0 && glyph_width > 0 ? kGlyphSpacing : 0;
  // Glyph and caption side by side, centred together.
  int x = (all.Width() - glyph_width - gap - text_width) / 2 + shift;
  if (glyph_width > 0) {
    std::unique_ptr<platform::Bitmap>& bitmap = Enabled() ? glyph_bitmap_ : disabled_bitmap_;
    if (!bitmap) bitmap = ToBitmap(canvas, Enabled() ? glyph_ : GreyedPicture(glyph_));
    canvas.DrawTransparent(x, (all.Height() - glyph_.height) / 2 + shift, *bitmap,
                           TransparentColor(glyph_));
    x += glyph_width + gap;
  }
  if (text_width > 0) {
    platform::Rect text{x, all.top + shift, all.right, all.bottom + shift};
    canvas.DrawText(
        Text(), text,
        platform::kDtLeft | platform::kDtVCenter | platform::kDtSingleLine | platform::kDtNoPrefix);
  }
}

}  // namespace ui
