#include "ui/explorer_button.h"

#include "platform/canvas.h"

namespace ui {

TExplBtn::TExplBtn(std::string name, Component* parent) : FlatButton(std::move(name), parent) {
  platform::Font font = Font();
  font.color = platform::clWhite;
  SetFont(font);
}

void TExplBtn::SetBitmap(const Picture& picture) {
  // The pointer's every move sets the hover picture again: only a new one repaints.
  if (picture == bitmap_) return;
  bitmap_ = picture;
  glyph_.reset();
  Invalidate();
}

void TExplBtn::Paint(platform::Canvas& canvas) {
  const platform::Rect all = ClientRect();
  int x = 2;
  if (!bitmap_.Empty()) {
    if (!glyph_) glyph_ = ToBitmap(canvas, bitmap_);
    canvas.DrawTransparent(x, (all.Height() - bitmap_.height) / 2, *glyph_,
                           TransparentColor(bitmap_));
    x += bitmap_.width + kGlyphSpacing;
  }
  if (Hot()) {
    // The bevel shows the button under the pointer; pressed, it sinks.
    canvas.Frame3D(all, Pressed() ? platform::clGray : platform::clWhite,
                   Pressed() ? platform::clWhite : platform::clGray, 1);
  }
  platform::Font font = Font();
  if (!Hot()) font.color = kIdleCaptionColor;
  canvas.SetFont(font);
  canvas.SetBkMode(platform::BkMode::kTransparent);
  platform::Rect text{x, 0, all.right - 2, all.bottom};
  canvas.DrawText(Text(), text,
                  platform::kDtLeft | platform::kDtVCenter | platform::kDtSingleLine |
                      platform::kDtEndEllipsis);
  PaintFocusMark(canvas);
}

}  // namespace ui
