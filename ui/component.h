#pragma once
// The portable component: a named rectangle in a parent with a caption, colour and font, that
// paints itself on a canvas and takes pointer and key input. The window host gives each
// component a window through a ComponentView; in tests the view is a fake that records what it
// is asked. Components never know window handles.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "ui/accessible.h"

namespace platform {
class Canvas;
}

namespace ui {

// Pointer shapes a component may ask for while the pointer is over it.
enum class Cursor { kArrow, kHand, kHorizontalSplit, kIBeam };

// What a component asks of the window that stands for it.
class ComponentView {
 public:
  virtual ~ComponentView() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetBounds(const platform::Rect& bounds) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // Schedules a repaint of the whole component, or of `rect` of its client area.
  virtual void Invalidate() = 0;
  virtual void InvalidateRect(const platform::Rect& rect) = 0;
  // Paints now what is scheduled, before any further input is handled.
  virtual void UpdateWindow() = 0;
  virtual void SetCapture(bool capture) = 0;
  virtual void SetFocus() = 0;
  virtual bool Focused() const = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // A point of the client area in screen coordinates (popup menus open there).
  virtual platform::Point ClientToScreen(platform::Point at) const = 0;
  // A canvas on the window's device for measuring text outside painting; it draws nothing
  // visible and lives until the pointer goes.
  virtual std::unique_ptr<platform::Canvas> MeasuringCanvas() = 0;
  // Suspends (false) and resumes (true) the window's repainting, around bulk changes.
  virtual void SetRedraw(bool redraw) = 0;
  // The system's vertical scroll-bar width, which lists measure their rows against.
  virtual int VerticalScrollBarWidth() const = 0;
  // The text shown while the pointer rests on the window; empty shows none.
  virtual void SetHint(const std::string& hint) = 0;
  // The component is being destroyed: its window must no longer reach it.
  virtual void ComponentGone() = 0;
};

// What kind of window the host gives a component: one of its own class, or a native control
// whose behaviour the component builds on.
enum class ComponentKind { kWindow, kListBox, kEdit };

enum class MouseButton { kLeft, kRight, kMiddle };

// Keys and buttons held during an input event, with the values of MK_*.
using ShiftState = std::uint32_t;
constexpr ShiftState kShiftLeftButton = 0x1;
constexpr ShiftState kShiftRightButton = 0x2;
constexpr ShiftState kShiftShift = 0x4;
constexpr ShiftState kShiftControl = 0x8;
constexpr ShiftState kShiftMiddleButton = 0x10;

// Virtual-key codes (VK_*) the components react to.
constexpr int kVkTab = 0x09;
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kVkInsert = 0x2D;
constexpr int kVkDelete = 0x2E;
constexpr int kVkApps = 0x5D;
constexpr int kVkAdd = 0x6B;
constexpr int kVkSubtract = 0x6D;
constexpr int kVkF10 = 0x79;
constexpr int kVkOemPlus = 0xBB;  // + and - of the main keyboard
constexpr int kVkOemMinus = 0xBD;

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
  // A character typed (WM_CHAR), in the system code page.
  virtual bool KeyPress(char key);
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
