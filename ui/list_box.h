#pragma once
// A component the host shows as a native owner-drawn list box with rows of their own heights.
// The host hands it the box's rows and asks it to paint the background and each row; the box's
// own keyboard navigation, selection and scrolling are the ordinary list behaviour, and input
// the component does not handle goes on to the box.
#include "ui/component.h"
#include "ui/list_rows.h"

namespace ui {

// What the list box asks to be painted for one row (WM_DRAWITEM).
struct RowPaint {
  int row = -1;
  platform::Rect rect;  // in the list's client area
  bool selected = false;
  bool focused = false;
};

class ListBox : public Component {
 public:
  using Component::Component;

  ComponentKind Kind() const override { return ComponentKind::kListBox; }
  bool TabStop() const override { return true; }

  // Read when the host creates the box.
  bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool multi) { multi_select_ = multi; }

  // The host attaches the box's rows once it exists and detaches them (nullptr) before it goes.
  virtual void AttachRows(ListRows* rows) = 0;
  // Paints the background of `area` (WM_ERASEBKGND) and one row (WM_DRAWITEM).
  virtual void PaintBackground(platform::Canvas& canvas, const platform::Rect& area) = 0;
  virtual void DrawRow(platform::Canvas& canvas, const RowPaint& row) = 0;

  // The user moved the selection with the box's own handling (LBN_SELCHANGE).
  virtual void SelectionChanged() {}
  // Before the box scrolls vertically; `thumb_tracking` while the thumb is dragged. True keeps
  // the box from scrolling.
  virtual bool VerticalScroll(bool thumb_tracking) {
    (void)thumb_tracking;
    return false;
  }
  // After the box scrolled vertically.
  virtual void Scrolled() {}

 private:
  bool multi_select_ = false;
};

}  // namespace ui
