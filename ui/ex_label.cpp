#include "ui/ex_label.h"

#include "platform/canvas.h"

namespace ui {

void TExLabel::SetShadowColor(platform::Color color) {
  shadow_color_ = color;
  Invalidate();
}

void TExLabel::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TExLabel::SetWordWrap(bool wrap) {
  word_wrap_ = wrap;
  Invalidate();
}

void TExLabel::Paint(platform::Canvas& canvas) {
  const platform::Rect all = ClientRect();
  if (!transparent_) canvas.FillRect(all, Color());
  std::uint32_t flags = platform::kDtTop | platform::kDtNoPrefix;
  flags |= word_wrap_ ? platform::kDtWordBreak : platform::kDtSingleLine;
  if (alignment_ == Alignment::kRight) flags |= platform::kDtRight;
  if (alignment_ == Alignment::kCenter) flags |= platform::kDtCenter;
  canvas.SetBkMode(platform::BkMode::kTransparent);
  platform::Font font = Font();
  if (shadow_color_ != platform::clNone) {
    platform::Font shadow = font;
    shadow.color = shadow_color_;
    canvas.SetFont(shadow);
    platform::Rect r{all.left + 1, all.top + 1, all.right + 1, all.bottom + 1};
    canvas.DrawText(Text(), r, flags);
  }
  canvas.SetFont(font);
  platform::Rect r = all;
  canvas.DrawText(Text(), r, flags);
}

bool TExLabel::MouseDown(MouseButton button, platform::Point, ShiftState) {
  if (button != MouseButton::kLeft || !OnClick) return false;
  pressed_ = true;
  return true;
}

bool TExLabel::MouseUp(MouseButton button, platform::Point at, ShiftState) {
  if (button != MouseButton::kLeft || !pressed_) return false;
  pressed_ = false;
  if (ClientRect().Contains(at) && OnClick) OnClick(*this);
  return true;
}

bool TExLabel::MouseDoubleClick(MouseButton button, platform::Point, ShiftState) {
  if (button != MouseButton::kLeft || !OnDblClick) return false;
  OnDblClick(*this);
  return true;
}

bool TExLabel::MouseMove(platform::Point, ShiftState) {
  if (cursor_ == Cursor::kArrow) return false;
  if (View()) View()->SetCursor(cursor_);
  return true;
}

}  // namespace ui
