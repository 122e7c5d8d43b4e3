#include "ui/component.h"

#include <algorithm>
#include <cstdint>

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

AccessibleInfo Component::Accessible() const {
  return {AccessibleName(), AccessibleRole::kClient, enabled_ ? 0 : kAccUnavailable};
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
bool Component::KeyPress(char32_t) {
  return false;
}
void Component::FocusChanged(bool) {}
void Component::CaptureLost() {}

namespace {

// Tab stops under `c` that can take the focus, in the order they were made; where `from`
// stands among them goes to `index_of_from`.
void CollectTabStops(Component& c, const Component* from, std::vector<Component*>& stops,
                     std::size_t& index_of_from) {
  for (Component* child : c.Children()) {
    if (child == from) index_of_from = stops.size();
    if (!child->Visible() || !child->Enabled()) continue;
    if (child->TabStop()) stops.push_back(child);
    CollectTabStops(*child, from, stops, index_of_from);
  }
}

}  // namespace

Component* NextTabStop(Component& root, const Component* from, bool backwards) {
  std::vector<Component*> stops;
  std::size_t at = SIZE_MAX;  // where `from` stands among the stops: before stops[at]
  CollectTabStops(root, from, stops, at);
  if (stops.empty()) return nullptr;
  const std::size_t n = stops.size();
  if (at == SIZE_MAX) return backwards ? stops[n - 1] : stops[0];
  const bool from_is_stop = at < n && stops[at] == from;
  if (backwards) return stops[(at + n - 1) % n];
  return stops[(at + (from_is_stop ? 1 : 0)) % n];
}

void Component::Invalidate() {
  if (view_) view_->Invalidate();
}

void Component::InvalidateRect(const platform::Rect& rect) {
  if (view_) view_->InvalidateRect(rect);
}

}  // namespace ui
