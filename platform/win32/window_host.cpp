#include "platform/win32/window_host.h"

#include <windowsx.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "platform/win32/edit_box_text.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/list_box_rows.h"
#include "platform/win32/pointer_tracking.h"
#include "platform/win32/unique_handle.h"
#include "ui/edit_box.h"
#include "ui/list_box.h"

namespace platform::win32 {

namespace {

constexpr char kComponentClass[] = "RvComponent";
// Posted to a form window: show the failures reported since.
constexpr UINT kShowFailuresMessage = WM_APP + 1;
// Child ids start above the ids dialogs keep for their buttons (IDOK, IDCANCEL, ...).
constexpr int kFirstChildId = 100;

ui::MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return ui::MouseButton::kRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return ui::MouseButton::kMiddle;
    default:
      return ui::MouseButton::kLeft;
  }
}

platform::Point PointOf(LPARAM lparam) {
  return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

ui::ShiftState ShiftOf(WPARAM wparam) {
  return static_cast<ui::ShiftState>(
      wparam & (MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_MBUTTON));
}

ui::ShiftState KeyShift() {
  ui::ShiftState shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= ui::kShiftShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= ui::kShiftControl;
  return shift;
}

LPCSTR CursorResource(ui::Cursor cursor) {
  switch (cursor) {
    case ui::Cursor::kHand:
      return IDC_HAND;
    case ui::Cursor::kHorizontalSplit:
      return IDC_SIZEWE;
    case ui::Cursor::kIBeam:
      return IDC_IBEAM;
    default:
      return IDC_ARROW;
  }
}

}  // namespace

// The window that stands for one component, and the component's view of it. It lives as long
// as the form's windows; `component` is cleared when the component goes first.
struct Win32WindowHost::ComponentWindow : ui::ComponentView {
  Win32WindowHost* host = nullptr;
  FormWindows* windows = nullptr;  // the form's, which outlive this one
  ui::Component* component = nullptr;
  HWND window = nullptr;
  HWND form_window = nullptr;
  WNDPROC native_proc = nullptr;  // native controls: their own window procedure
  bool tracking_leave = false;
  bool has_tip = false;
  ui::Cursor cursor = ui::Cursor::kArrow;
  std::unique_ptr<ListBoxRows> rows;
  std::unique_ptr<EditBoxText> edit;
  UniqueBrush background;  // native controls: their colour

  bool Native() const { return native_proc != nullptr; }

  void SetText(const std::string& text) override { ::SetWindowTextA(window, text.c_str()); }
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

  void ApplyCursor() const {
    HCURSOR shape = ::LoadCursorA(nullptr, CursorResource(cursor));
    // Older systems lack the hand: the arrow stands in.
    ::SetCursor(shape ? shape : ::LoadCursorA(nullptr, IDC_ARROW));
  }
};

// The windows of one form, owned by the form: destroying it destroys them.
struct Win32WindowHost::FormWindows : ui::FormWindow {
  HWND window = nullptr;
  HWND tips = nullptr;  // the form's tooltip window, made for its first hint; owned by the form
  int next_child_id = kFirstChildId;
  std::vector<std::unique_ptr<ComponentWindow>> components;  // the form's own first

  ~FormWindows() override {
    if (window && ::IsWindow(window)) ::DestroyWindow(window);
  }
};

namespace {

using ComponentWindow = Win32WindowHost::ComponentWindow;

ComponentWindow* WindowData(HWND window) {
  return reinterpret_cast<ComponentWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A canvas on a window's client DC, which it releases when it goes.
class WindowDcCanvas : private WindowDc, public GdiCanvas {
 public:
  WindowDcCanvas(HWND window, FontCache& fonts)
      : WindowDc(window), GdiCanvas(WindowDc::Dc(), &fonts) {}
};

// Paints `component` with its origin at (dx, dy) of the canvas's device.
void PaintAt(HDC dc, GdiCanvas& canvas, ui::Component& component, int dx, int dy) {
  POINT old;
  ::SetViewportOrgEx(dc, dx, dy, &old);
  component.Paint(canvas);
  ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

// A transparent component shows what lies behind it: its parent, then the siblings before it
// that it overlaps, each at its place relative to the component.
void PaintBackdrop(HDC dc, GdiCanvas& canvas, ui::Component& component) {
  ui::Component* parent = component.Parent();
  if (!parent) return;
  const platform::Rect me = component.Bounds();
  PaintAt(dc, canvas, *parent, -me.left, -me.top);
  for (ui::Component* sibling : parent->Children()) {
    if (sibling == &component) break;
    const platform::Rect b = sibling->Bounds();
    const bool overlaps =
        b.left < me.right && me.left < b.right && b.top < me.bottom && me.top < b.bottom;
    if (sibling->Visible() && overlaps && sibling->Kind() == ui::ComponentKind::kWindow)
      PaintAt(dc, canvas, *sibling, b.left - me.left, b.top - me.top);
  }
}

void Paint(ComponentWindow& w) {
  PaintDc paint(w.window);
  if (!w.component) return;
  RECT client;
  ::GetClientRect(w.window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  // Composed off-screen so a repaint never flickers.
  UniqueMemoryDc memory(::CreateCompatibleDC(paint.Dc()));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(paint.Dc(), client.right, client.bottom));
  if (!memory || !bitmap) return;
  SelectedObject selected(memory.Get(), bitmap.Get());
  {
    GdiCanvas canvas(memory.Get(), &w.host->Fonts());
    if (w.component->Transparent()) PaintBackdrop(memory.Get(), canvas, *w.component);
    w.component->Paint(canvas);
  }
  ::BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

ui::ListBox* ListOf(ComponentWindow* w) {
  if (!w || !w->component || w->component->Kind() != ui::ComponentKind::kListBox) return nullptr;
  return static_cast<ui::ListBox*>(w->component);
}

// The view and the native parts go before the window does; the component may live on.
void Detach(ComponentWindow& w) {
  if (w.component) {
    if (ui::ListBox* list = ListOf(&w)) list->AttachRows(nullptr);
    if (w.component->Kind() == ui::ComponentKind::kEdit)
      static_cast<ui::EditBox*>(w.component)->AttachEdit(nullptr);
    w.component->AttachView(nullptr);
  }
  ::SetWindowLongPtrA(w.window, GWLP_USERDATA, 0);
}

// Input both kinds of window share. Answers whether the component handled the message.
bool RouteInput(ComponentWindow& w, UINT message, WPARAM wparam, LPARAM lparam) {
  ui::Component& c = *w.component;
  switch (message) {
    case WM_MOUSEMOVE:
      if (!w.tracking_leave) w.tracking_leave = TrackPointerLeave(w.window);
      return c.MouseMove(PointOf(lparam), ShiftOf(wparam));
    case WM_MOUSELEAVE:
      w.tracking_leave = false;
      c.MouseLeave();
      return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      return c.MouseDown(ButtonOf(message), PointOf(lparam), ShiftOf(wparam));
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      return c.MouseUp(ButtonOf(message), PointOf(lparam), ShiftOf(wparam));
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      return c.MouseDoubleClick(ButtonOf(message), PointOf(lparam), ShiftOf(wparam));
    case WM_MOUSEWHEEL: {
      POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};  // screen coordinates
      ::ScreenToClient(w.window, &at);
      return c.MouseWheel(GET_WHEEL_DELTA_WPARAM(wparam), {at.x, at.y},
                          ShiftOf(GET_KEYSTATE_WPARAM(wparam)));
    }
    case WM_KEYDOWN:
      return c.KeyDown(static_cast<int>(wparam), KeyShift());
    case WM_CHAR:
      return c.KeyPress(static_cast<char>(wparam));
    case WM_SETFOCUS:
      c.FocusChanged(true);
      return false;
    case WM_KILLFOCUS:
      c.FocusChanged(false);
      return false;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != w.window) c.CaptureLost();
      return false;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && w.cursor != ui::Cursor::kArrow) {
        w.ApplyCursor();
        return true;
      }
      return false;
  }
  return false;
}

// What a parent does for its native children: their item sizes and paint, notifications and
// colours come to the parent and go on to the child's component.
bool ForwardToChild(ComponentWindow& parent, UINT message, WPARAM wparam, LPARAM lparam,
                    LRESULT& result) {
  switch (message) {
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      ComponentWindow* child = WindowData(::GetDlgItem(parent.window, static_cast<int>(wparam)));
      if (!child || !child->rows) return false;
      item->itemHeight = static_cast<UINT>(std::max(child->rows->PendingHeight(), 1));
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lparam);
      ComponentWindow* child = WindowData(item->hwndItem);
      ui::ListBox* list = ListOf(child);
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
      ui::ListBox* list = ListOf(WindowData(reinterpret_cast<HWND>(lparam)));
      if (list && HIWORD(wparam) == LBN_SELCHANGE) list->SelectionChanged();
      return false;
    }
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT: {
      ComponentWindow* child = WindowData(reinterpret_cast<HWND>(lparam));
      if (!child || !child->component || !child->background) return false;
      ::SetBkColor(reinterpret_cast<HDC>(wparam), ColorRefOf(child->component->Color()));
      ::SetTextColor(reinterpret_cast<HDC>(wparam), ColorRefOf(child->component->Font().color));
      result = reinterpret_cast<LRESULT>(child->background.Get());
      return true;
    }
  }
  return false;
}

// What only a form's window does.
bool HandleFormMessage(ComponentWindow& w, UINT message, WPARAM wparam, LPARAM lparam,
                       LRESULT& result) {
  auto* form = static_cast<ui::Form*>(w.component);
  switch (message) {
    case WM_GETMINMAXINFO:
      if (form->FixedSize()) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
        const platform::Rect b = form->Bounds();
        info->ptMinTrackSize = info->ptMaxTrackSize = {b.Width(), b.Height()};
        result = 0;
        return true;
      }
      return false;
    case WM_CLOSE:
      form->FormClose();
      if (form->Owner())
        w.host->Close(*form);
      else
        ::DestroyWindow(w.window);
      result = 0;
      return true;
    case WM_COMMAND:
      // Escape in a dialog comes as IDCANCEL from the dialog manager.
      if (lparam == 0 && LOWORD(wparam) == IDCANCEL && form->Owner()) {
        w.host->Close(*form);
        result = 0;
        return true;
      }
      return false;
  }
  return false;
}

LRESULT CALLBACK ComponentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ComponentWindow* w = WindowData(window);
  if (!w) return ::DefWindowProcA(window, message, wparam, lparam);
  Win32WindowHost* host = w->host;
  if (message == WM_NCDESTROY) {
    if (window == w->form_window) host->FormWindowGone(window);
    Detach(*w);
    return ::DefWindowProcA(window, message, wparam, lparam);
  }
  if (message == kShowFailuresMessage) {
    host->ShowReportedFailures();
    return 0;
  }
  static const UINT live_handles_message = ::RegisterWindowMessageA(kLiveHandlesMessage);
  if (message == live_handles_message && live_handles_message != 0)
    return wparam < static_cast<WPARAM>(HandleKind::kCount)
               ? LiveHandles(static_cast<HandleKind>(wparam))
               : 0;
  if (message == WM_DESTROY && window == w->form_window && w->component &&
      !static_cast<ui::Form*>(w->component)->Owner()) {
    ::PostQuitMessage(0);  // the main form's window ends the application
    return 0;
  }
  LRESULT result = 0;
  bool handled = false;
  const bool ok = Guarded(host, [&] {
    if (!w->component) return;
    if (message == WM_ERASEBKGND) {
      result = 1;  // painting covers everything
      handled = true;
    } else if (message == WM_PAINT) {
      Paint(*w);
      handled = true;
    } else if (ForwardToChild(*w, message, wparam, lparam, result)) {
      handled = true;
    } else if (window == w->form_window && HandleFormMessage(*w, message, wparam, lparam, result)) {
      handled = true;
    } else if (RouteInput(*w, message, wparam, lparam)) {
      handled = true;
      result = message == WM_SETCURSOR ? TRUE : 0;
    }
  });
  if (!ok) {
    // A failed paint still ends with EndPaint (the paint scope above); nothing is retried.
    return message == WM_SETCURSOR ? FALSE : 0;
  }
  return handled ? result : ::DefWindowProcA(window, message, wparam, lparam);
}

// The procedure native controls are subclassed with: the component sees their input first and
// what it leaves goes on to the control's own procedure.
LRESULT CALLBACK NativeProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ComponentWindow* w = WindowData(window);
  if (!w) return ::DefWindowProcA(window, message, wparam, lparam);
  const WNDPROC native = w->native_proc;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native));
    Detach(*w);
    return ::CallWindowProcA(native, window, message, wparam, lparam);
  }
  LRESULT result = 0;
  bool handled = false;
  Guarded(w->host, [&] {
    if (!w->component) return;
    ui::ListBox* list = ListOf(w);
    if (list && message == WM_ERASEBKGND) {
      RECT client;
      ::GetClientRect(window, &client);
      GdiCanvas canvas(reinterpret_cast<HDC>(wparam), &w->host->Fonts());
      list->PaintBackground(canvas, {client.left, client.top, client.right, client.bottom});
      result = 1;
      handled = true;
    } else if (list && message == WM_VSCROLL &&
               list->VerticalScroll(LOWORD(wparam) == SB_THUMBTRACK)) {
      handled = true;
    } else if (RouteInput(*w, message, wparam, lparam)) {
      handled = true;
      result = message == WM_SETCURSOR ? TRUE : 0;
    }
  });
  if (handled) return result;
  result = ::CallWindowProcA(native, window, message, wparam, lparam);
  if (message == WM_VSCROLL || message == WM_MOUSEWHEEL) {
    Guarded(w->host, [&] {
      if (ui::ListBox* list = ListOf(w)) list->Scrolled();
    });
  }
  return result;
}

}  // namespace

void Win32WindowHost::ComponentWindow::SetHint(const std::string& hint) {
  if (!windows || (hint.empty() && !has_tip)) return;
  if (!windows->tips) {
    // Owned by the form's window, so it goes with it.
    windows->tips =
        ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          windows->window, nullptr, host->Instance(), nullptr);
    if (!windows->tips) return;
  }
  // The first version of the structure: every version of the common controls takes it.
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(window) ? ::GetParent(window) : window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<char*>(hint.c_str());
  UINT message = TTM_UPDATETIPTEXTA;
  if (hint.empty())
    message = TTM_DELTOOLA;
  else if (!has_tip)
    message = TTM_ADDTOOLA;
  ::SendMessageA(windows->tips, message, 0, reinterpret_cast<LPARAM>(&tool));
  has_tip = !hint.empty();
}

std::unique_ptr<platform::Canvas> Win32WindowHost::ComponentWindow::MeasuringCanvas() {
  return std::make_unique<WindowDcCanvas>(window, host->Fonts());
}

Win32WindowHost::Win32WindowHost(HINSTANCE instance)
    : instance_(instance), fonts_([] {
        WindowDc screen(nullptr);
        return ::GetDeviceCaps(screen.Dc(), LOGPIXELSY);
      }()) {}

bool Win32WindowHost::RegisterClasses(const ui::Form& form) {
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ComponentProc;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hIcon = ::LoadIconA(instance_, MAKEINTRESOURCEA(1));
  wc.lpszClassName = form.ClassName().c_str();
  if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  wc.hIcon = nullptr;
  wc.lpszClassName = kComponentClass;
  return ::RegisterClassA(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Win32WindowHost::WindowOf(const ui::Form& form) {
  auto* windows = static_cast<FormWindows*>(form.Window());
  return windows ? windows->window : nullptr;
}

bool Win32WindowHost::CreateWindows(ui::Form& form) {
  if (form.HasWindow()) return true;
  if (!RegisterClasses(form)) return false;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD ex_style = 0;
  if (form.DialogFrame())
    ex_style |= WS_EX_DLGMODALFRAME;
  else
    style |= WS_MINIMIZEBOX;
  if (!form.FixedSize()) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
  HWND owner = form.Owner() ? WindowOf(*form.Owner()) : nullptr;
  // Centred on the owner, or on the desktop for the main form and forms that ask for it.
  RECT around{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (owner && !form.DesktopCentred()) ::GetWindowRect(owner, &around);
  if (const platform::Size client = form.ClientSizeWanted(); client.cx > 0 && client.cy > 0) {
    RECT outer{0, 0, client.cx, client.cy};
    ::AdjustWindowRectEx(&outer, style, FALSE, ex_style);
    form.SetBounds(platform::RectOfSize(0, 0, outer.right - outer.left, outer.bottom - outer.top));
  }
  const platform::Rect b = form.Bounds();
  const int left = std::max<int>(0, (around.left + around.right - b.Width()) / 2);
  const int top = std::max<int>(0, (around.top + around.bottom - b.Height()) / 2);

  auto windows = std::make_unique<FormWindows>();
  auto w = std::make_unique<ComponentWindow>();
  w->host = this;
  w->windows = windows.get();
  w->component = &form;
  windows->window =
      ::CreateWindowExA(ex_style, form.ClassName().c_str(), form.Text().c_str(), style, left, top,
                        b.Width(), b.Height(), owner, nullptr, instance_, nullptr);
  if (!windows->window) return false;
  w->window = w->form_window = windows->window;
  ::SetWindowLongPtrA(w->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
  form.AttachView(w.get());
  windows->components.push_back(std::move(w));
  form_windows_.push_back(windows->window);
  HWND window = windows->window;
  const bool created = CreateChildren(*windows, form, window);
  // From here the form owns its windows, whatever happens next.
  form.AttachHost(this);
  form.SetHandle(FromHandle(window));
  form.AttachWindow(std::move(windows));
  if (!created) return false;
  RECT client;
  ::GetClientRect(window, &client);
  form.ClientSizeChanged(client.right, client.bottom);
  return true;
}

bool Win32WindowHost::CreateChildren(FormWindows& windows, ui::Component& parent,
                                     HWND parent_window) {
  for (ui::Component* child : parent.Children()) {
    auto w = std::make_unique<ComponentWindow>();
    w->host = this;
    w->windows = &windows;
    w->component = child;
    w->form_window = windows.window;
    const platform::Rect b = child->Bounds();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (child->Visible() ? WS_VISIBLE : 0) |
                  (child->Enabled() ? 0 : WS_DISABLED);
    const char* window_class = kComponentClass;
    switch (child->Kind()) {
      case ui::ComponentKind::kListBox:
        window_class = "LISTBOX";
        style |= WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS |
                 LBS_NOTIFY | LBS_OWNERDRAWVARIABLE;
        if (static_cast<ui::ListBox*>(child)->MultiSelect()) style |= LBS_EXTENDEDSEL;
        break;
      case ui::ComponentKind::kEdit: {
        auto* edit = static_cast<ui::EditBox*>(child);
        window_class = "EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        if (edit->Multiline()) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (edit->Border()) style |= WS_BORDER;
        break;
      }
      case ui::ComponentKind::kWindow:
        style |= WS_CLIPCHILDREN;
        break;
    }
    const int id = windows.next_child_id++;
    w->window = ::CreateWindowExA(
        0, window_class, child->Text().c_str(), style, b.left, b.top, b.Width(), b.Height(),
        parent_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (!w->window) return false;
    // Later components lie over earlier ones, as on the form.
    ::SetWindowPos(w->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowLongPtrA(w->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
    if (child->Kind() != ui::ComponentKind::kWindow) {
      ::SendMessageA(w->window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(child->Font())),
                     FALSE);
      w->background.Reset(::CreateSolidBrush(ColorRefOf(child->Color())));
      w->native_proc = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrA(w->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NativeProc)));
    }
    child->AttachView(w.get());
    if (!child->Hint().empty()) w->SetHint(child->Hint());
    if (child->Kind() == ui::ComponentKind::kListBox) {
      w->rows = std::make_unique<ListBoxRows>(w->window);
      static_cast<ui::ListBox*>(child)->AttachRows(w->rows.get());
    } else if (child->Kind() == ui::ComponentKind::kEdit) {
      w->edit = std::make_unique<EditBoxText>(w->window);
      static_cast<ui::EditBox*>(child)->AttachEdit(w->edit.get());
    }
    HWND window = w->window;
    windows.components.push_back(std::move(w));
    if (!CreateChildren(windows, *child, window)) return false;
  }
  return true;
}

void Win32WindowHost::Show(ui::Form& form) {
  HWND window = WindowOf(form);
  if (!window) return;
  ::ShowWindow(window, SW_SHOW);
  ::UpdateWindow(window);
}

void Win32WindowHost::RunModal(ui::Form& form) {
  HWND dialog = WindowOf(form);
  if (!dialog) return;
  HWND owner = ::GetWindow(dialog, GW_OWNER);
  const bool disable_owner = owner && ::IsWindowEnabled(owner);
  if (disable_owner) ::EnableWindow(owner, FALSE);
  ::ShowWindow(dialog, SW_SHOW);
  ::UpdateWindow(dialog);
  bool quit = false;
  WPARAM exit_code = 0;
  MSG message;
  // Only the dialog's own close, OK or Cancel ends it: hidden it may be for a while, as the
  // system hides owned windows while their owner is minimised and shows them with it again.
  while (form.ModalResult() == ui::mrNone && ::IsWindow(dialog)) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      quit = true;  // the application ends: leave, and let the outer loop see it too
      exit_code = message.wParam;
      break;
    }
    if (got < 0) break;
    if (!::IsDialogMessageA(dialog, &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
  // The owner is enabled before the dialog goes, so activation returns to it.
  if (disable_owner) ::EnableWindow(owner, TRUE);
  if (::IsWindow(dialog)) ::ShowWindow(dialog, SW_HIDE);
  if (owner) ::SetActiveWindow(owner);
  if (quit) ::PostQuitMessage(static_cast<int>(exit_code));
}

void Win32WindowHost::Close(ui::Form& form) {
  HWND window = WindowOf(form);
  if (!window) return;
  if (form.Modal()) {
    if (form.ModalResult() == ui::mrNone) form.SetModalResult(ui::mrCancel);
  } else if (form.Owner()) {
    ::ShowWindow(window, SW_HIDE);
  } else {
    // Posted: the request may come from inside a handler of one of the window's children.
    ::PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

void Win32WindowHost::Minimize(ui::Form& form) {
  if (HWND window = WindowOf(form)) ::ShowWindow(window, SW_MINIMIZE);
}

int Win32WindowHost::TrackPopupMenu(ui::Form& form, const std::vector<std::string>& items,
                                    platform::Point screen) {
  HWND owner = WindowOf(form);
  if (!owner || items.empty()) return -1;
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const bool separator = items[i] == "-";
    ::AppendMenuA(menu.Get(), separator ? MF_SEPARATOR : MF_STRING, i + 1,
                  separator ? nullptr : items[i].c_str());
  }
  // The owner must be in front for the menu to close when the user clicks elsewhere.
  ::SetForegroundWindow(owner);
  const int chosen =
      static_cast<int>(::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                                        screen.x, screen.y, 0, owner, nullptr));
  ::PostMessageA(owner, WM_NULL, 0, 0);
  return chosen - 1;
}

void Win32WindowHost::Quit(int exit_code) {
  ::PostQuitMessage(exit_code);
}

int Win32WindowHost::RunMessageLoop() {
  MSG message;
  BOOL got;
  while ((got = ::GetMessageA(&message, nullptr, 0, 0)) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void Win32WindowHost::ReportFailure(const std::string& what) noexcept {
  try {
    // Each failure is shown once: a handler that fails every second must not stack boxes.
    if (!reported_failures_.insert(what).second) return;
    pending_failures_.push_back(what);
    if (HWND owner = FailureOwner()) ::PostMessageA(owner, kShowFailuresMessage, 0, 0);
  } catch (...) {
    // Out of memory while noting a failure: nothing more can be done about it.
  }
}

void Win32WindowHost::ShowReportedFailures() {
  if (showing_failure_) return;  // the box below runs messages; one box at a time
  showing_failure_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{showing_failure_};
  while (!pending_failures_.empty()) {
    const std::string what = pending_failures_.front();
    pending_failures_.erase(pending_failures_.begin());
    HWND owner = FailureOwner();
    char caption[256] = "";
    if (owner) ::GetWindowTextA(owner, caption, sizeof caption);
    ::MessageBoxA(owner, what.c_str(), caption, MB_OK | MB_ICONERROR);
  }
}

HWND Win32WindowHost::FailureOwner() const {
  HWND active = ::GetActiveWindow();
  if (std::find(form_windows_.begin(), form_windows_.end(), active) != form_windows_.end())
    return active;
  for (HWND window : form_windows_)
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) return window;
  return form_windows_.empty() ? nullptr : form_windows_.front();
}

void Win32WindowHost::FormWindowGone(HWND window) {
  std::erase(form_windows_, window);
}

}  // namespace platform::win32
