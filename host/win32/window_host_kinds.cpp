// The kinds of component the host makes windows for: our own windows, and the native list box
// and edit box.
#include "host/win32/window_host_kinds.h"

#include <algorithm>
#include <memory>

#include "host/win32/accessible.h"
#include "platform/win32/gdi_canvas.h"
#include "ui/edit_box.h"

namespace host::win32 {

using platform::win32::GdiCanvas;

namespace {

DWORD WindowStyle(const ui::Component&) {
  return WS_CLIPCHILDREN;
}

// A native owner-drawn list box, whose rows are the list's.
DWORD ListBoxStyle(const ui::Component& component) {
  DWORD style = WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_NOTIFY |
                LBS_OWNERDRAWVARIABLE;
  if (static_cast<const ui::ListBox&>(component).MultiSelect()) style |= LBS_EXTENDEDSEL;
  return style;
}

void AttachListRows(ComponentWindow& w) {
  w.rows = std::make_unique<ListBoxRows>(w.window);
  static_cast<ui::ListBox*>(w.component)->AttachRows(w.rows.get());
}

void DetachListRows(ComponentWindow& w) {
  static_cast<ui::ListBox*>(w.component)->AttachRows(nullptr);
}

// The list box asks its parent for its rows' heights and paint, and tells it of a new selection.
bool ListForParent(ComponentWindow& parent, ComponentWindow& child, UINT message, WPARAM wparam,
                   LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_MEASUREITEM: {
      if (!child.rows) return false;
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      item->itemHeight = static_cast<UINT>(std::max(child.rows->PendingHeight(), 1));
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
      ui::ListBox* list = ListOf(&child);
      if (!list) return false;
      result = TRUE;
      if (item->itemID == static_cast<UINT>(-1)) return true;  // an empty box's focus only
      // The box asks for every row in sight at each paint; one outside the area being painted
      // would be drawn for nothing.
      if (!::RectVisible(item->hDC, &item->rcItem)) return true;
      GdiCanvas canvas(item->hDC, &parent.host->Fonts());
      list->DrawRow(canvas,
                    {static_cast<int>(item->itemID),
                     {item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom},
                     (item->itemState & ODS_SELECTED) != 0,
                     (item->itemState & ODS_FOCUS) != 0});
      return true;
    }
    case WM_COMMAND: {
      ui::ListBox* list = ListOf(&child);
      if (list && HIWORD(wparam) == LBN_SELCHANGE) list->SelectionChanged();
      return false;
    }
  }
  return false;
}

// The list paints its own ground, answers for its rows to screen readers, and may take a scroll
// over (the thumb dragged through rows of different heights).
bool ListBeforeNative(ComponentWindow& w, UINT message, WPARAM wparam, LPARAM lparam,
                      LRESULT& result) {
  ui::ListBox* list = ListOf(&w);
  if (!list) return false;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      ::GetClientRect(w.window, &client);
      GdiCanvas canvas(reinterpret_cast<HDC>(wparam), &w.host->Fonts());
      list->PaintBackground(canvas, {client.left, client.top, client.right, client.bottom});
      result = 1;
      return true;
    }
    case WM_GETOBJECT:
      return AnswerGetObject(w.window, wparam, lparam, result);
    case WM_VSCROLL:
      return list->VerticalScroll(LOWORD(wparam) == SB_THUMBTRACK);
  }
  return false;
}

// Once the box has scrolled, the list learns where its rows now are.
void ListAfterNative(ComponentWindow& w, UINT message) {
  if (message != WM_VSCROLL && message != WM_MOUSEWHEEL) return;
  Guarded(w.host, [&] {
    if (ui::ListBox* list = ListOf(&w)) list->Scrolled();
  });
}

// A native edit box, whose text is the component's.
DWORD EditStyle(const ui::Component& component) {
  const auto& edit = static_cast<const ui::EditBox&>(component);
  DWORD style = ES_AUTOHSCROLL;
  if (edit.Multiline()) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (edit.Border()) style |= WS_BORDER;
  return style;
}

void AttachEditText(ComponentWindow& w) {
  w.edit = std::make_unique<EditBoxText>(w.window);
  static_cast<ui::EditBox*>(w.component)->AttachEdit(w.edit.get());
}

void DetachEditText(ComponentWindow& w) {
  static_cast<ui::EditBox*>(w.component)->AttachEdit(nullptr);
}

constexpr KindHandling kWindowHandling{
    .window_class = kComponentClass,
    .native = false,
    .style = WindowStyle,
    .attach = nullptr,
    .detach = nullptr,
    .for_parent = nullptr,
    .before_native = nullptr,
    .after_native = nullptr,
};

constexpr KindHandling kListBoxHandling{
    .window_class = "LISTBOX",
    .native = true,
    .style = ListBoxStyle,
    .attach = AttachListRows,
    .detach = DetachListRows,
    .for_parent = ListForParent,
    .before_native = ListBeforeNative,
    .after_native = ListAfterNative,
};

constexpr KindHandling kEditHandling{
    .window_class = "EDIT",
    .native = true,
    .style = EditStyle,
    .attach = AttachEditText,
    .detach = DetachEditText,
    .for_parent = nullptr,
    .before_native = nullptr,
    .after_native = nullptr,
};

}  // namespace

const KindHandling& HandlingOf(ui::ComponentKind kind) {
  switch (kind) {
    case ui::ComponentKind::kListBox:
      return kListBoxHandling;
    case ui::ComponentKind::kEdit:
      return kEditHandling;
    case ui::ComponentKind::kWindow:
      break;
  }
  return kWindowHandling;
}

}  // namespace host::win32
