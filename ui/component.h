#pragma once
// The portable component: a named rectangle in a parent with a caption, colour and font, that
// paints itself on a canvas and takes pointer and key input. The window host gives each
// component a window through a ComponentView; components never know window handles.
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "ui/accessible.h"
#include "ui/component_view.h"
#include "ui/input_codes.h"

namespace platform {
class Canvas;
}

namespace ui {

// What kind of window the host gives a component: one of its own class, or a native control
// whose behaviour the component builds on.
enum class ComponentKind { kWindow, kListBox, kEdit };

class Component {
 public:
  Component(std::string name, Component* parent);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  Component* Parent() const { return parent_; }
  const std::vector<Component*>& Children() const { return children_; }

  virtual ComponentKind Kind() const { return ComponentKind::kWindow; }

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

  // A disabled component's window takes no input and says so to automation and screen readers.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  platform::Color Color() const { return color_; }
  void SetColor(platform::Color color);

  // A tip shown while the pointer rests on the component.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  const platform::Font& Font() const { return font_; }
  void SetFont(const platform::Font& font);

  // The host attaches a view once the component's window exists; nullptr detaches it.
  void AttachView(ComponentView* view);
  ComponentView* View() const { return view_; }

  // A tab stop takes the focus from Tab and Shift+Tab.
  virtual bool TabStop() const { return false; }

  // What screen readers are told of the component: by default its caption, and whether it is
  // enabled. A list tells of its rows as children, counted from 0; -1 when none has the focus.
  virtual AccessibleInfo Accessible() const;
  // The name screen readers say; the caption unless another is set (a picture-only button's).
  const std::string& AccessibleName() const {
    return accessible_name_.empty() ? text_ : accessible_name_;
  }
  void SetAccessibleName(const std::string& name) { accessible_name_ = name; }
  virtual int AccessibleChildCount() const { return 0; }
  virtual AccessibleInfo AccessibleChild(int) const { return {}; }
  virtual int AccessibleFocusChild() const { return -1; }

  // A transparent component is painted over whatever lies behind it.
  virtual bool Transparent() const { return false; }
  virtual void Paint(platform::Canvas& canvas);

  // Input, in client coordinates. Each handler answers whether it handled the event; what a
  // native control's component leaves unhandled goes on to the control's own behaviour.
  virtual bool MouseDown(MouseButton button, platform::Point at, ShiftState shift);
  virtual bool MouseUp(MouseButton button, platform::Point at, ShiftState shift);
  virtual bool MouseDoubleClick(MouseButton button, platform::Point at, ShiftState shift);
  virtual bool MouseMove(platform::Point at, ShiftState shift);
  // `delta` is in wheel units: 120 per notch, positive away from the user.
  virtual bool MouseWheel(int delta, platform::Point at, ShiftState shift);
  virtual void MouseLeave();
  virtual bool KeyDown(int key, ShiftState shift);
  // A character typed (WM_CHAR), as its code point: a pair of UTF-16 surrogates arrives as one.
  virtual bool KeyPress(char32_t key);
  virtual void FocusChanged(bool focused);
  // Another window took the mouse capture the component held.
  virtual void CaptureLost();

 protected:
  // Repaint after a change of what the component shows.
  void Invalidate();
  void InvalidateRect(const platform::Rect& rect);
  // Called after a property change the subclass may want to react to.
  virtual void BoundsChanged() {}
  virtual void FontChanged() {}
  virtual void EnabledChanged() {}

 private:
  std::string name_;
  Component* parent_;
  std::vector<Component*> children_;
  platform::Rect bounds_;
  std::string text_;
  std::string hint_;
  std::string accessible_name_;
  bool visible_ = true;
  bool enabled_ = true;
  platform::Color color_ = platform::clBtnFace;
  platform::Font font_;
  ComponentView* view_ = nullptr;
};

// The tab stop after `from` (before it when `backwards`) among the visible, enabled tab stops
// under `root`, in the order the components were made, wrapping around; `from` may be `root`
// itself or any component that is no tab stop. Null when there is none.
Component* NextTabStop(Component& root, const Component* from, bool backwards);

}  // namespace ui
