#include "ui/explorer_button.h"

#include "platform/canvas.h"

namespace ui {

TExplBtn::TExplBtn(std::string name, Component* parent) : Component(std::move(name), parent) {
  platform::Font font = Font();
  font.color = platform::clWhite;
  SetFont(font);
}

void TExplBtn::SetBitmap(const Picture& picture) {
  bitmap_ = picture;
  Invalidate();
}

void TExplBtn::Paint(platform::Canvas& canvas) {
  const platform::Rect all = ClientRect();
  int x = 2;
  if (!bitmap_.Empty()) {
    DrawTransparent(canvas, bitmap_, x, (all.Height() - bitmap_.height) / 2);
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

void TExplBtn::MouseDown(MouseButton button, platform::Point) {
  if (button != MouseButton::kLeft) return;
  pressed_ = true;
  if (View()) View()->SetCapture(true);
  Invalidate();
}

void TExplBtn::MouseUp(MouseButton button, platform::Point at) {
  if (button != MouseButton::kLeft || !pressed_) return;
  pressed_ = false;
  if (View()) View()->SetCapture(false);
  Invalidate();
  if (ClientRect().Contains(at) && OnClick) OnClick(*this);
}

void TExplBtn::MouseMove(platform::Point) {
  if (!hot_) {
    hot_ = true;
    Invalidate();
  }
  if (OnMouseMove) OnMouseMove(*this);
}

void TExplBtn::MouseLeave() {
  hot_ = false;
  Invalidate();
  if (OnExit) OnExit(*this);
}

}  // namespace ui
