#pragma once
// The rows of a list control, behind a small interface: on Windows the items of a native
// owner-drawn list box with rows of their own heights (so every row's text can be read from
// outside with LB_GETTEXT), in tests a vector. Each operation is one list-box message; indexes
// outside 0..Count()-1 are ignored by setters and answered with the empty value by getters.
#include <string>

#include "platform/geometry.h"

namespace ui {

class ListRows {
 public:
  virtual ~ListRows() = default;

  virtual int Count() const = 0;  // LB_GETCOUNT
  // Inserts a row before `index` (Count() or -1 appends) with its text, tag (the item data) and
  // height (LB_INSERTSTRING, LB_SETITEMDATA, LB_SETITEMHEIGHT).
  virtual void Insert(int index, const std::string& text, int tag, int height) = 0;
  virtual void Delete(int index) = 0;  // LB_DELETESTRING
  virtual void Clear() = 0;            // LB_RESETCONTENT

  virtual std::string Text(int index) const = 0;  // LB_GETTEXT
  // Replaces the text and keeps the row's tag, height and selection.
  virtual void SetText(int index, const std::string& text) = 0;
  virtual int Tag(int index) const = 0;  // LB_GETITEMDATA, 0 outside
  virtual void SetTag(int index, int tag) = 0;
  virtual int Height(int index) const = 0;  // LB_GETITEMHEIGHT, 0 outside
  virtual void SetHeight(int index, int height) = 0;

  // The selected row (LB_GETCURSEL / LB_SETCURSEL), -1 for none.
  virtual int Selected() const = 0;
  virtual void SetSelected(int index) = 0;
  // Per-row selection of a multiple-selection list (LB_GETSEL / LB_SETSEL; -1 means every row).
  virtual bool RowSelected(int index) const = 0;
  virtual void SetRowSelected(int index, bool selected) = 0;

  // The first visible row (LB_GETTOPINDEX / LB_SETTOPINDEX).
  virtual int TopRow() const = 0;
  virtual void SetTopRow(int index) = 0;
  // Where a row lies in the control's client area (LB_GETITEMRECT); empty outside.
  virtual platform::Rect RowRect(int index) const = 0;
  // The row nearest to `at` (LB_ITEMFROMPOINT): below the last row, the last row; -1 with no rows.
  // Callers check RowRect(row).Contains(at) to know whether the point is on the row.
  virtual int RowAtPoint(platform::Point at) const = 0;

  // Width in pixels the list scrolls across horizontally; 0 for none (LB_SETHORIZONTALEXTENT).
  virtual int HorizontalExtent() const = 0;
  virtual void SetHorizontalExtent(int pixels) = 0;
};

}  // namespace ui
