#include "platform/win32/window_host.h"

#include <windowsx.h>

#include <stdexcept>
#include <string>

#include "controls/section_list_box.h"
#include "platform/win32/gdi_canvas.h"

namespace platform::win32 {

namespace {

constexpr char kComponentClass[] = "RvComponent";

HFONT CreateFontFor(const platform::Font& font) {
  HDC screen = ::GetDC(nullptr);
  const int height = -::MulDiv(font.size, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  ::ReleaseDC(nullptr, screen);
  return ::CreateFontA(height, 0, font.orientation, font.orientation,
                       font.Has(platform::kFontBold) ? FW_BOLD : FW_NORMAL,
                       font.Has(platform::kFontItalic), font.Has(platform::kFontUnderline),
                       font.Has(platform::kFontStrikeOut), DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       font.name.c_str());
}

COLORREF ToColorRef(platform::Color color) {
  if (platform::IsSystemColor(color)) return ::GetSysColor(platform::SystemColorIndex(color));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

ui::MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return ui::MouseButton::kRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return ui::MouseButton::kMiddle;
    default:
      return ui::MouseButton::kLeft;
  }
}

}  // namespace

// The window that stands for one component, and the component's view of it.
struct Win32WindowHost::ComponentWindow : ui::ComponentView {
  Win32WindowHost* host = nullptr;
  ui::Component* component = nullptr;
  HWND window = nullptr;
  bool tracking_leave = false;
  UniqueBrush background;  // list boxes: their colour

  void SetText(const std::string& text) override { ::SetWindowTextA(window, text.c_str()); }
  void SetBounds(const platform::Rect& b) override {
    if (component->Parent() == nullptr) return;  // the form keeps its fixed frame
    ::MoveWindow(window, b.left, b.top, b.Width(), b.Height(), TRUE);
  }
  void SetVisible(bool visible) override { ::ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE); }
  void Invalidate() override { ::InvalidateRect(window, nullptr, FALSE); }
  void SetCapture(bool capture) override {
    if (capture)
      ::SetCapture(window);
    else
      ::ReleaseCapture();
  }
};

// The rows of a section list are the items of its native list box.
struct Win32WindowHost::ListRows : controls::RowList {
  HWND list = nullptr;
  int Count() const override { return static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0)); }
  std::string Text(int row) const override {
    LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }
  void Clear() override { ::SendMessageA(list, LB_RESETCONTENT, 0, 0); }
  void Add(const std::string& text) override {
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
};

namespace {

using ComponentWindow = Win32WindowHost::ComponentWindow;

ComponentWindow* WindowOf(HWND window) {
  return reinterpret_cast<ComponentWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

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
    if (sibling->Visible() && overlaps)
      PaintAt(dc, canvas, *sibling, b.left - me.left, b.top - me.top);
  }
}

void Paint(ComponentWindow& w) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(w.window, &ps);
  RECT client;
  ::GetClientRect(w.window, &client);
  // Composed off-screen so a repaint never flickers.
  UniqueMemoryDc memory(::CreateCompatibleDC(dc));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
  HGDIOBJ old = ::SelectObject(memory.Get(), bitmap.Get());
  {
    GdiCanvas canvas(memory.Get());
    if (w.component->Transparent()) PaintBackdrop(memory.Get(), canvas, *w.component);
    w.component->Paint(canvas);
  }
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
  ::SelectObject(memory.Get(), old);
  ::EndPaint(w.window, &ps);
}

void TrackLeave(ComponentWindow& w) {
  if (w.tracking_leave) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, w.window, 0};
  w.tracking_leave = ::TrackMouseEvent(&track) != FALSE;
}

platform::Point PointOf(LPARAM lparam) {
  return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

LRESULT CALLBACK ComponentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ComponentWindow* w = WindowOf(window);
  if (!w) return ::DefWindowProcA(window, message, wparam, lparam);
  // No exception may cross into the system's code: a failed handler says why and the loop goes on.
  try {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        Paint(*w);
        return 0;
      case WM_MOUSEMOVE:
        TrackLeave(*w);
        w->component->MouseMove(PointOf(lparam));
        return 0;
      case WM_MOUSELEAVE:
        w->tracking_leave = false;
        w->component->MouseLeave();
        return 0;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        w->component->MouseDown(ButtonOf(message), PointOf(lparam));
        return 0;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        w->component->MouseUp(ButtonOf(message), PointOf(lparam));
        return 0;
      case WM_CTLCOLORLISTBOX: {
        ComponentWindow* list = WindowOf(reinterpret_cast<HWND>(lparam));
        if (list && list->background) {
          ::SetBkColor(reinterpret_cast<HDC>(wparam), ToColorRef(list->component->Color()));
          return reinterpret_cast<LRESULT>(list->background.Get());
        }
        break;
      }
      case WM_GETMINMAXINFO:
        if (w->component->Parent() == nullptr) {
          auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
          const platform::Rect b = w->component->Bounds();
          info->ptMinTrackSize = info->ptMaxTrackSize = {b.Width(), b.Height()};
          return 0;
        }
        break;
      case WM_DESTROY:
        if (w->component->Parent() == nullptr) ::PostQuitMessage(0);
        break;
    }
  } catch (const std::exception& error) {
    // Shown as the program's own error, as any failure of a handler is.
    char caption[256];
    ::GetWindowTextA(::GetAncestor(window, GA_ROOT), caption, sizeof caption);
    ::MessageBoxA(window, error.what(), caption, MB_OK | MB_ICONERROR);
    return 0;
  }
  return ::DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

Win32WindowHost::Win32WindowHost(HINSTANCE instance) : instance_(instance) {}

Win32WindowHost::~Win32WindowHost() {
  for (auto& w : windows_) {
    w->component->AttachView(nullptr);
    if (auto* list = dynamic_cast<controls::TSectionListBox*>(w->component))
      list->AttachRows(nullptr);
  }
  if (main_window_ && ::IsWindow(main_window_)) ::DestroyWindow(main_window_);
}

bool Win32WindowHost::RegisterClasses(const ui::Form& form) {
  WNDCLASSA wc{};
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

bool Win32WindowHost::CreateWindows(ui::Form& form) {
  if (!RegisterClasses(form)) return false;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  if (!form.FixedSize()) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
  const platform::Rect b = form.Bounds();
  // Centred on the desktop.
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - b.Width()) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - b.Height()) / 2;
  auto w = std::make_unique<ComponentWindow>();
  w->host = this;
  w->component = &form;
  main_window_ =
      ::CreateWindowExA(0, form.ClassName().c_str(), form.Text().c_str(), style, left, top,
                        b.Width(), b.Height(), nullptr, nullptr, instance_, nullptr);
  if (!main_window_) return false;
  w->window = main_window_;
  ::SetWindowLongPtrA(main_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
  form.AttachView(w.get());
  form.AttachHost(this);
  windows_.push_back(std::move(w));
  RECT client;
  ::GetClientRect(main_window_, &client);
  form.ClientSizeChanged(client.right, client.bottom);
  return CreateChildren(form, main_window_);
}

bool Win32WindowHost::CreateChildren(ui::Component& parent, HWND parent_window) {
  for (ui::Component* child : parent.Children()) {
    auto w = std::make_unique<ComponentWindow>();
    w->host = this;
    w->component = child;
    auto* list = dynamic_cast<controls::TSectionListBox*>(child);
    const platform::Rect b = child->Bounds();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (child->Visible() ? WS_VISIBLE : 0);
    const char* window_class = kComponentClass;
    if (list) {
      window_class = "LISTBOX";
      style |= WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_NOTIFY;
    } else {
      style |= WS_CLIPCHILDREN;
    }
    w->window =
        ::CreateWindowExA(0, window_class, child->Text().c_str(), style, b.left, b.top, b.Width(),
                          b.Height(), parent_window, nullptr, instance_, nullptr);
    if (!w->window) return false;
    // Later components lie over earlier ones, as on the form.
    ::SetWindowPos(w->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    fonts_.emplace_back(CreateFontFor(child->Font()));
    ::SendMessageA(w->window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back().Get()), FALSE);
    if (list) {
      // The list keeps its own window procedure; its rows and colour come from the control.
      w->background.Reset(::CreateSolidBrush(ToColorRef(child->Color())));
      ::SetWindowLongPtrA(w->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
      auto rows = std::make_unique<ListRows>();
      rows->list = w->window;
      list->AttachRows(rows.get());
      rows_.push_back(std::move(rows));
    } else {
      ::SetWindowLongPtrA(w->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
    }
    child->AttachView(w.get());
    HWND window = w->window;
    windows_.push_back(std::move(w));
    if (!CreateChildren(*child, window)) return false;
  }
  return true;
}

void Win32WindowHost::Show(ui::Form&) {
  ::ShowWindow(main_window_, SW_SHOW);
  ::UpdateWindow(main_window_);
}

int Win32WindowHost::RunMessageLoop() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  main_window_ = nullptr;
  return static_cast<int>(message.wParam);
}

void Win32WindowHost::Close() {
  ::PostMessageA(main_window_, WM_CLOSE, 0, 0);
}

void Win32WindowHost::MinimizeApplication() {
  ::ShowWindow(main_window_, SW_MINIMIZE);
}

}  // namespace platform::win32
