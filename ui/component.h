#pragma once
// The portable component: a named rectangle in a parent with a caption, colour and font, that
// paints itself on a canvas and takes pointer input. The window host gives each component a
// child window through a ComponentView; in tests the view is a fake that records what it is
// asked. Components never know window handles.
#include <memory>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

namespace platform {
class Canvas;
}

namespace ui {

// What a component asks of the window that stands for it.
class ComponentView {
 public:
  virtual ~ComponentView() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetBounds(const platform::Rect& bounds) = 0;
  virtual void SetVisible(bool visible) = 0;
  // Schedules a repaint of the whole component.
  virtual void Invalidate() = 0;
  virtual void SetCapture(bool capture) = 0;
};

enum class MouseButton { kLeft, kRight, kMiddle };

class Component {
 public:
  Component(std::string name, Component* parent);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  Component* Parent() const { return parent_; }
  const std::vector<Component*>& Children() const { return children_; }

  // Position and size relative to the parent's client area.
  const platform::Rect& Bounds() const { return bounds_; }
  void SetBounds(const platform::Rect& bounds);
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  platform::Rect ClientRect() const { return {0, 0, bounds_.Width(), bounds_.Height()}; }

  // The caption; it is also the text of the window that stands for the component.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  platform::Color Color() const { return color_; }
  void SetColor(platform::Color color);

  const platform::Font& Font() const { return font_; }
  void SetFont(const platform::Font& font);

  // The host attaches a view once the component's window exists; nullptr detaches it.
  void AttachView(ComponentView* view);
  ComponentView* View() const { return view_; }

  // A transparent component is painted over whatever lies behind it.
  virtual bool Transparent() const { return false; }
  virtual void Paint(platform::Canvas& canvas);
  virtual void MouseDown(MouseButton button, platform::Point at);
  virtual void MouseUp(MouseButton button, platform::Point at);
  virtual void MouseMove(platform::Point at);
  virtual void MouseLeave();

 protected:
  // Repaint after a change of what the component shows.
  void Invalidate();
  // Called after a property change the subclass may want to react to.
  virtual void BoundsChanged() {}
  virtual void FontChanged() {}

 private:
  std::string name_;
  Component* parent_;
  std::vector<Component*> children_;
  platform::Rect bounds_;
  std::string text_;
  bool visible_ = true;
  platform::Color color_ = platform::clBtnFace;
  platform::Font font_;
  ComponentView* view_ = nullptr;
};

}  // namespace ui
