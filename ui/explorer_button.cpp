#include "ui/explorer_button.h"

#include "platform/canvas.h"

namespace ui {

TExplBtn::TExplBtn(std::string name, Component* parent) : Component(std::move(name), parent) {
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
  if (hot_) {
    // The bevel shows the button under the pointer; pressed, it sinks.
    canvas.Frame3D(all, pressed_ ? platform::clGray : platform::clWhite,
                   pressed_ ? platform::clWhite : platform::clGray, 1);
  }
  platform::Font font = Font();
  if (!hot_) font.color = kIdleCaptionColor;
  canvas.SetFont(font);
  canvas.SetBkMode(platform::BkMode::kTransparent);
  platform::Rect text{x, 0, all.right - 2, all.bottom};
  canvas.DrawText(Text(), text,
                  platform::kDtLeft | platform::kDtVCenter | platform::kDtSingleLine |
                      platform::kDtEndEllipsis);
}

bool TExplBtn::MouseDown(MouseButton button, platform::Point, ShiftState) {
  if (button != MouseButton::kLeft) return false;
  pressed_ = true;
  if (View()) View()->SetCapture(true);
  Invalidate();
  return true;
}

bool TExplBtn::MouseUp(MouseButton button, platform::Point at, ShiftState) {
  if (button != MouseButton::kLeft || !pressed_) return false;
  pressed_ = false;
  if (View()) View()->SetCapture(false);
  Invalidate();
  if (ClientRect().Contains(at) && OnClick) OnClick(*this);
  return true;
}

bool TExplBtn::MouseMove(platform::Point, ShiftState) {
  if (!hot_) {
    hot_ = true;
    Invalidate();
  }
  if (OnMouseMove) OnMouseMove(*this);
  return true;
}

void TExplBtn::MouseLeave() {
  if (hot_) {
    hot_ = false;
    Invalidate();
  }
  if (OnExit) OnExit(*this);
}

void TExplBtn::CaptureLost() {
  // Another window took the pointer in mid-press: the press is abandoned, not clicked.
  if (!pressed_) return;
  pressed_ = false;
  Invalidate();
}

}  // namespace ui
