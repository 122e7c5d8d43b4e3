#pragma once
// The rows of a list control as the items of a native owner-drawn list box: each operation is
// one list-box message, so the rows' texts can be read from outside with LB_GETTEXT.
#include "platform/win32/system_headers.h"

#include "ui/list_rows.h"

namespace host::win32 {

class ListBoxRows : public ui::ListRows {
 public:
  explicit ListBoxRows(HWND list) : list_(list) {}

  // The height WM_MEASUREITEM answers for the row being inserted.
  int PendingHeight() const { return pending_height_; }

  // WM_SETREDRAW. Turned back on, the box would repaint itself whole, erasing, after any change
  // made meanwhile; the list repaints what it changed itself, so only what was already due
  // stays due (unless the box scrolled meanwhile: then all of it is repainted). Turned off, the
  // box is told only when a change comes, so a batch without one costs the box nothing.
  void SetRedraw(bool redraw);

  int Count() const override;
  void Insert(int index, const std::string& text, int tag, int height) override;
  void Delete(int index) override;
  void Clear() override;
  std::string Text(int index) const override;
  void SetText(int index, const std::string& text) override;
  int Tag(int index) const override;
  void SetTag(int index, int tag) override;
  int Height(int index) const override;
  void SetHeight(int index, int height) override;
  int Selected() const override;
  void SetSelected(int index) override;
  bool RowSelected(int index) const override;
  void SetRowSelected(int index, bool selected) override;
  int TopRow() const override;
  void SetTopRow(int index) override;
  platform::Rect RowRect(int index) const override;
  int RowAtPoint(platform::Point at) const override;
  int HorizontalExtent() const override;
  void SetHorizontalExtent(int pixels) override;

 private:
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return ::SendMessageA(list_, message, wparam, lparam);
  }
  bool Has(int index) const { return index >= 0 && index < Count(); }
  bool MultiSelect() const;
  // Before a change while redraw is off: the box stops redrawing, once.
  void HoldRedraw();
  // WM_SETREDRAW TRUE, with the scroll bars drawn only when they changed.
  void RedrawAgain();

  HWND list_;
  int pending_height_ = 0;
  bool redraw_ = true;
  bool held_ = false;      // WM_SETREDRAW FALSE was sent and not yet undone
  bool scrolled_ = false;  // the first visible row moved while redraw was off
};

}  // namespace host::win32
