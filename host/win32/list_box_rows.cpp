#include "host/win32/list_box_rows.h"
#include "host/win32/window_calls.h"

#include <algorithm>
#include <utility>

#include "platform/win32/gui_handles.h"

namespace host::win32 {

using platform::win32::UniqueRegion;

namespace {

constexpr LONG kScrollBars = WS_VSCROLL | WS_HSCROLL;

SCROLLINFO ScrollInfoOf(HWND list, int bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  if (!::GetScrollInfo(list, bar, &info)) return {};
  return info;
}

bool SameScroll(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

// Whether a window shows a scroll bar of this range: only while it does not fit in one page.
bool Wanted(const SCROLLINFO& info) {
  return info.nMin < info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0);
}

}  // namespace

int ListBoxRows::Count() const {
  const LRESULT count = Send(LB_GETCOUNT);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

void ListBoxRows::Insert(int index, const std::string& text, int tag, int height) {
  if (index < 0 || index > Count()) index = -1;
  HoldRedraw();
  // An owner-drawn box of variable heights asks for the new row's height while inserting it.
  pending_height_ = std::clamp(height, 1, 255);
  const LRESULT at = SendTextMessage(list_, LB_INSERTSTRING, static_cast<WPARAM>(index), text);
  pending_height_ = 0;
  if (at < 0) return;
  Send(LB_SETITEMDATA, static_cast<WPARAM>(at), tag);
  Send(LB_SETITEMHEIGHT, static_cast<WPARAM>(at), MAKELPARAM(std::clamp(height, 1, 255), 0));
}

void ListBoxRows::Delete(int index) {
  if (!Has(index)) return;
  HoldRedraw();
  Send(LB_DELETESTRING, static_cast<WPARAM>(index));
}

void ListBoxRows::Clear() {
  HoldRedraw();
  Send(LB_RESETCONTENT);
}

std::string ListBoxRows::Text(int index) const {
  if (!Has(index)) return {};
  return ListBoxRowText(list_, index);
}

void ListBoxRows::SetText(int index, const std::string& text) {
  if (!Has(index)) return;
  // A list box item's text can only be replaced by deleting and inserting it again, and the box
  // repaints from there down each time: it does not redraw meanwhile, and afterwards, when it
  // was redrawing, only the row is repainted. An owner-drawn row covers all of its rectangle,
  // so nothing is erased under it.
  const int tag = Tag(index);
  const int height = Height(index);
  const bool selected = RowSelected(index);
  const bool was_current = Selected() == index;
  const int top = TopRow();
  const bool redraw = redraw_;
  SetRedraw(false);
  HoldRedraw();
  Send(LB_DELETESTRING, static_cast<WPARAM>(index));
  Insert(index, text, tag, height);
  if (TopRow() != top) scrolled_ = true;
  if (selected) SetRowSelected(index, true);
  if (was_current && !MultiSelect()) SetSelected(index);
  SetTopRow(top);
  if (!redraw) return;
  SetRedraw(true);
  RECT rect;
  if (Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
    ::InvalidateRect(list_, &rect, FALSE);
}

void ListBoxRows::SetRedraw(bool redraw) {
  if (!redraw) {
    redraw_ = false;  // the box is told at the first change
    return;
  }
  if (redraw_) return;
  redraw_ = true;
  // A batch that changed nothing leaves the box as it was: the refresh runs one every second.
  if (!held_) return;
  held_ = false;
  UniqueRegion due(::CreateRectRgn(0, 0, 0, 0));
  const int due_kind = due ? ::GetUpdateRgn(list_, due.Get(), FALSE) : ERROR;
  RedrawAgain();
  if (std::exchange(scrolled_, false) || due_kind == ERROR) {
    ::InvalidateRect(list_, nullptr, TRUE);
    return;
  }
  ::ValidateRect(list_, nullptr);
  // Whether what was due asked for an erase is not known: it gets one.
  if (due_kind != NULLREGION) ::InvalidateRgn(list_, due.Get(), TRUE);
}

void ListBoxRows::RedrawAgain() {
  // Turned back on, the box sets its scroll bars again and draws them whether they changed or
  // not, which under some systems costs more than all the rest of a refresh. Meanwhile the
  // window has no scroll bars, so nothing is drawn; then each is drawn when it changed, and
  // the frame is laid out anew when one comes or goes, as the box would have done.
  const LONG style = ::GetWindowLongA(list_, GWL_STYLE);
  const LONG bars = style & kScrollBars;
  if (!bars) {
    Send(WM_SETREDRAW, TRUE);
    return;
  }
  const SCROLLINFO vertical = ScrollInfoOf(list_, SB_VERT);
  const SCROLLINFO horizontal = ScrollInfoOf(list_, SB_HORZ);
  ::SetWindowLongA(list_, GWL_STYLE, style & ~bars);
  Send(WM_SETREDRAW, TRUE);
  const SCROLLINFO vertical_now = ScrollInfoOf(list_, SB_VERT);
  const SCROLLINFO horizontal_now = ScrollInfoOf(list_, SB_HORZ);
  const LONG now = ::GetWindowLongA(list_, GWL_STYLE);
  const LONG shown_meanwhile = now & kScrollBars;  // the box laid its frame out for these
  LONG shown = shown_meanwhile;
  if ((bars & WS_VSCROLL) && Wanted(vertical_now)) shown |= WS_VSCROLL;
  if ((bars & WS_HSCROLL) && Wanted(horizontal_now)) shown |= WS_HSCROLL;
  ::SetWindowLongA(list_, GWL_STYLE, (now & ~kScrollBars) | shown);
  if (shown != bars || shown_meanwhile) {
    ::SetWindowPos(list_, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return;
  }
  SCROLLINFO info = vertical_now;
  if ((shown & WS_VSCROLL) && !SameScroll(vertical, vertical_now))
    ::SetScrollInfo(list_, SB_VERT, &info, TRUE);
  info = horizontal_now;
  if ((shown & WS_HSCROLL) && !SameScroll(horizontal, horizontal_now))
    ::SetScrollInfo(list_, SB_HORZ, &info, TRUE);
}

int ListBoxRows::Tag(int index) const {
  if (!Has(index)) return 0;
  return static_cast<int>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

void ListBoxRows::HoldRedraw() {
  if (redraw_ || held_) return;
  held_ = true;
  Send(WM_SETREDRAW, FALSE);
}

void ListBoxRows::SetTag(int index, int tag) {
  if (!Has(index)) return;
  HoldRedraw();
  Send(LB_SETITEMDATA, static_cast<WPARAM>(index), tag);
}

int ListBoxRows::Height(int index) const {
  if (!Has(index)) return 0;
  const LRESULT height = Send(LB_GETITEMHEIGHT, static_cast<WPARAM>(index));
  return height == LB_ERR ? 0 : static_cast<int>(height);
}

void ListBoxRows::SetHeight(int index, int height) {
  if (!Has(index)) return;
  HoldRedraw();
  Send(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(std::clamp(height, 1, 255), 0));
}

bool ListBoxRows::MultiSelect() const {
  return (GetWindowLongFor(list_, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int ListBoxRows::Selected() const {
  // A multiple-selection box has no current selection of its own: its caret row stands for it
  // when that row is selected.
  if (MultiSelect()) {
    const int caret = static_cast<int>(Send(LB_GETCARETINDEX));
    return Has(caret) && RowSelected(caret) ? caret : -1;
  }
  const LRESULT selected = Send(LB_GETCURSEL);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void ListBoxRows::SetSelected(int index) {
  HoldRedraw();
  if (MultiSelect()) {
    Send(LB_SETSEL, FALSE, -1);
    if (Has(index)) {
      Send(LB_SETSEL, TRUE, index);
      Send(LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    }
    return;
  }
  Send(LB_SETCURSEL, static_cast<WPARAM>(Has(index) ? index : -1));
}

bool ListBoxRows::RowSelected(int index) const {
  if (!MultiSelect()) return Has(index) && Selected() == index;
  return Has(index) && Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

void ListBoxRows::SetRowSelected(int index, bool selected) {
  if (!MultiSelect()) {
    if (selected)
      SetSelected(index);
    else if (index == -1 || Selected() == index)
      SetSelected(-1);
    return;
  }
  if (index != -1 && !Has(index)) return;
  HoldRedraw();
  Send(LB_SETSEL, selected ? TRUE : FALSE, index);
}

int ListBoxRows::TopRow() const {
  const LRESULT top = Send(LB_GETTOPINDEX);
  return top == LB_ERR ? 0 : static_cast<int>(top);
}

void ListBoxRows::SetTopRow(int index) {
  if (!Has(index)) return;
  HoldRedraw();
  Send(LB_SETTOPINDEX, static_cast<WPARAM>(index));
}

platform::Rect ListBoxRows::RowRect(int index) const {
  RECT rect;
  if (!Has(index) ||
      Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
    return {};
  return {rect.left, rect.top, rect.right, rect.bottom};
}

int ListBoxRows::RowAtPoint(platform::Point at) const {
  if (Count() == 0) return -1;
  const LRESULT hit = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
  return std::min(static_cast<int>(LOWORD(hit)), Count() - 1);
}

int ListBoxRows::HorizontalExtent() const {
  return static_cast<int>(Send(LB_GETHORIZONTALEXTENT));
}

void ListBoxRows::SetHorizontalExtent(int pixels) {
  HoldRedraw();
  Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(std::max(pixels, 0)));
}

}  // namespace host::win32
