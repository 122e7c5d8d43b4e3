#pragma once
// A component's window as a record of what the component asked of it.
#include <memory>
#include <vector>

#include "tests/fakes/recording_canvas.h"
#include "ui/component.h"

namespace fakes {

class FakeView : public ui::ComponentView {
 public:
  int invalidations = 0;  // whole-component repaints
  std::vector<platform::Rect> invalidated_rects;
  int due = 0, updates = 0;  // repaints not painted yet; paintings asked for at once
  // Repaints asked for while redraw was off: a window that does not redraw drops them.
  int lost_invalidations = 0;
  bool captured = false;
  bool focused = false;
  bool gone = false;
  ui::Cursor cursor = ui::Cursor::kArrow;
  platform::Point screen_origin{100, 200};

  void SetText(const std::string&) override {}
  void SetBounds(const platform::Rect&) override {}
  void SetVisible(bool) override {}
  void SetEnabled(bool on) override { enabled = on; }
  bool enabled = true;
  void Invalidate() override { ++(redraw ? invalidations : lost_invalidations), due += redraw; }
  void InvalidateRect(const platform::Rect& rect) override {
    if (redraw)
      invalidated_rects.push_back(rect);
    else
      ++lost_invalidations;
    due += redraw;
  }
  void UpdateWindow() override { ++updates, due = 0; }
  void SetCapture(bool capture) override { captured = capture; }
  void SetFocus() override { focused = true; }
  bool Focused() const override { return focused; }
  void SetCursor(ui::Cursor shape) override { cursor = shape; }
  platform::Point ClientToScreen(platform::Point at) const override {
    return {at.x + screen_origin.x, at.y + screen_origin.y};
  }
  std::unique_ptr<platform::Canvas> MeasuringCanvas() override {
    return std::make_unique<RecordingCanvas>();
  }
  void ComponentGone() override { gone = true; }
  void SetRedraw(bool on) override { redraw = on; }
  void SetHint(const std::string& text) override { hint = text; }
  std::string hint;
  int VerticalScrollBarWidth() const override { return scroll_bar_width; }
  bool redraw = true;
  int scroll_bar_width = 16;
};

}  // namespace fakes
