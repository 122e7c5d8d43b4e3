#include "ui/component.h"

#include <algorithm>

namespace ui {

Component::Component(std::string name, Component* parent)
    : name_(std::move(name)), parent_(parent) {
  if (parent_) {
    parent_->children_.push_back(this);
    font_ = parent_->font_;
  }
}

Component::~Component() {
  // Its window may outlive it by a moment (a form's windows go after its members): from now on
  // the window sends nothing here.
  if (view_) view_->ComponentGone();
  if (parent_) std::erase(parent_->children_, this);
  for (Component* child : children_) child->parent_ = nullptr;
}

void Component::SetBounds(const platform::Rect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  if (view_) view_->SetBounds(bounds_);
  BoundsChanged();
  Invalidate();
}

void Component::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (view_) view_->SetText(text_);
  Invalidate();
}

void Component::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (view_) view_->SetVisible(visible_);
}

void Component::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (view_) view_->SetHint(hint_);
}

void Component::SetColor(platform::Color color) {
  if (color == color_) return;
  color_ = color;
  Invalidate();
}

void Component::SetFont(const platform::Font& font) {
  if (font == font_) return;
  font_ = font;
  FontChanged();
  Invalidate();
}

void Component::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (view_) view_->SetEnabled(enabled);
  EnabledChanged();
}

void Component::AttachView(ComponentView* view) {
  view_ = view;
}

void Component::Paint(platform::Canvas&) {}
bool Component::MouseDown(MouseButton, platform::Point, ShiftState) {
  return false;
}
bool Component::MouseUp(MouseButton, platform::Point, ShiftState) {
  return false;
}
bool Component::MouseDoubleClick(MouseButton, platform::Point, ShiftState) {
  return false;
}
bool Component::MouseMove(platform::Point, ShiftState) {
  return false;
}
bool Component::MouseWheel(int, platform::Point, ShiftState) {
  return false;
}
void Component::MouseLeave() {}
bool Component::KeyDown(int, ShiftState) {
  return false;
}
bool Component::KeyPress(char) {
  return false;
}
void Component::FocusChanged(bool) {}
void Component::CaptureLost() {}

void Component::Invalidate() {
  if (view_) view_->Invalidate();
}

void Component::InvalidateRect(const platform::Rect& rect) {
  if (view_) view_->InvalidateRect(rect);
}

}  // namespace ui
