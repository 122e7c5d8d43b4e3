#pragma once
// What the parts of the window host share: the window of a component, the windows of a form,
// and the procedures and painting that the parts call in one another. Only the host's own
// sources include this.
#include "host/win32/window_calls.h"
#include "host/win32/window_host.h"

#include <memory>

#include "host/win32/edit_box_text.h"
#include "host/win32/list_box_rows.h"
#include "ui/list_box.h"

namespace host::win32 {

constexpr char kComponentClass[] = "RvComponent";
// Posted to a form window: show the failures reported since.
constexpr UINT kShowFailuresMessage = WM_APP + 1;
// Child ids start above the ids dialogs keep for their buttons (IDOK, IDCANCEL, ...).
constexpr int kFirstChildId = 100;

struct KindHandling;

// The window that stands for one component, and the component's view of it. It lives as long
// as the form's windows; `component` is cleared when the component goes first.
struct Win32WindowHost::ComponentWindow : ui::ComponentView {
  Win32WindowHost* host = nullptr;
  FormWindows* windows = nullptr;  // the form's, which outlive this one
  ui::Component* component = nullptr;
  const KindHandling* kind = nullptr;  // the component's, which outlives it
  HWND window = nullptr;
  HWND form_window = nullptr;
  WNDPROC native_proc = nullptr;  // native controls: their own window procedure
  bool tracking_leave = false;
  bool has_tip = false;
  ui::Cursor cursor = ui::Cursor::kArrow;
  std::unique_ptr<ListBoxRows> rows;
  std::unique_ptr<EditBoxText> edit;
  platform::win32::UniqueBrush background;  // native controls: their colour

  bool Native() const { return native_proc != nullptr; }

  void SetText(const std::string& text) override { SetWindowTextUtf8(window, text); }
  void SetBounds(const platform::Rect& b) override {
    if (window == form_window) return;  // a form keeps its fixed frame
    ::MoveWindow(window, b.left, b.top, b.Width(), b.Height(), TRUE);
  }
  void SetVisible(bool visible) override { ::ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE); }
  void SetEnabled(bool enabled) override { ::EnableWindow(window, enabled ? TRUE : FALSE); }
  // Our windows paint whole off-screen; a native list paints its rows over its erased ground.
  void Invalidate() override { ::InvalidateRect(window, nullptr, Native()); }
  void InvalidateRect(const platform::Rect& r) override {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    ::InvalidateRect(window, &rect, FALSE);
  }
  void UpdateWindow() override { ::UpdateWindow(window); }
  void SetCapture(bool capture) override {
    if (capture)
      ::SetCapture(window);
    else if (::GetCapture() == window)
      ::ReleaseCapture();
  }
  void SetFocus() override { ::SetFocus(window); }
  bool Focused() const override { return ::GetFocus() == window; }
  void SetCursor(ui::Cursor shape) override {
    if (shape == cursor) return;
    cursor = shape;
    POINT at;
    // The new shape shows at once when the pointer is over the window.
    if (::GetCursorPos(&at) && ::WindowFromPoint(at) == window) ApplyCursor();
  }
  platform::Point ClientToScreen(platform::Point at) const override {
    POINT p{at.x, at.y};
    ::ClientToScreen(window, &p);
    return {p.x, p.y};
  }
  std::unique_ptr<platform::Canvas> MeasuringCanvas() override;
  void ComponentGone() override { component = nullptr; }
  void SetRedraw(bool redraw) override {
    if (rows)
      rows->SetRedraw(redraw);  // a list box's rows keep track of it
    else
      ::SendMessageA(window, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  }
  int VerticalScrollBarWidth() const override { return ::GetSystemMetrics(SM_CXVSCROLL); }
  void SetHint(const std::string& hint) override;

  void ApplyCursor() const;
};

// The windows of one form, owned by the form: destroying it destroys them.
struct Win32WindowHost::FormWindows : ui::FormWindow {
  HWND window = nullptr;
  HWND tips = nullptr;  // the form's tooltip window, made for its first hint; owned by the form
  int next_child_id = kFirstChildId;
  // The component window that last had the focus: it gets it back when the form is activated,
  // so a keyboard user returns to the button or list that opened a dialog.
  HWND last_focus = nullptr;
  std::vector<std::unique_ptr<ComponentWindow>> components;  // the form's own first

  ~FormWindows() override {
    if (window && ::IsWindow(window)) ::DestroyWindow(window);
  }
};

using ComponentWindow = Win32WindowHost::ComponentWindow;

// The component window a window of ours stands for; null before it is attached or after.
ComponentWindow* WindowData(HWND window);
// The same for any window: null unless it is one of ours (our class, or a native control we
// subclassed).
ComponentWindow* OurWindow(HWND window);
// The list box component of a window, when it is one.
ui::ListBox* ListOf(ComponentWindow* w);
// Paints our own window whole, off-screen first.
void Paint(ComponentWindow& w);
// The view and the native parts go before the window does; the component may live on.
void Detach(ComponentWindow& w);
// The procedure of our window class, and the one native controls are subclassed with.
LRESULT CALLBACK ComponentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK NativeProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace host::win32
