#pragma once
// The window behind a component, as the component sees it. The window host implements it for
// each component's window; in tests a fake records what it is asked.
#include <memory>
#include <string>

#include "platform/geometry.h"

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

}  // namespace ui
