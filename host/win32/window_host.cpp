#include "host/win32/window_host.h"
#include "host/win32/window_calls.h"

#include <algorithm>
#include <memory>

#include "host/win32/window_host_kinds.h"

namespace host::win32 {

using platform::win32::ColorRefOf;
using platform::win32::FromHandle;
using platform::win32::WindowDc;

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
  if (!RegisterWindowClass(wc)) return false;
  wc.hIcon = nullptr;
  wc.lpszClassName = kComponentClass;
  return RegisterWindowClass(wc);
}

HWND Win32WindowHost::WindowOf(const ui::Form& form) {
  auto* windows = static_cast<FormWindows*>(form.Window());
  return windows ? windows->window : nullptr;
}

bool Win32WindowHost::CreateWindows(ui::Form& form) {
  if (form.HasWindow()) return true;
  if (!RegisterClasses(form)) return false;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD ex_style = WS_EX_CONTROLPARENT;
  if (form.DialogFrame())
    ex_style |= WS_EX_DLGMODALFRAME;
  else
    style |= WS_MINIMIZEBOX;
  if (!form.FixedSize()) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
  HWND owner = form.Owner() ? WindowOf(*form.Owner()) : nullptr;
  // Centred on the owner, or on the desktop for the main form and forms that ask for it.
  RECT around{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (owner && !form.DesktopCentred()) ::GetWindowRect(owner, &around);
  const ui::FormSize wanted = form.SizeWanted();
  RECT outer{0, 0, wanted.size.cx, wanted.size.cy};
  if (wanted.measure == ui::FormSize::kClient) ::AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  form.SetBounds(platform::RectOfSize(0, 0, outer.right - outer.left, outer.bottom - outer.top));
  const platform::Rect b = form.Bounds();
  const int left = std::max<int>(0, (around.left + around.right - b.Width()) / 2);
  const int top = std::max<int>(0, (around.top + around.bottom - b.Height()) / 2);

  auto windows = std::make_unique<FormWindows>();
  auto w = std::make_unique<ComponentWindow>();
  w->host = this;
  w->windows = windows.get();
  w->component = &form;
  w->kind = &HandlingOf(form.Kind());
  windows->window = CreateWindowUtf8(ex_style, form.ClassName().c_str(), form.Text(), style, left,
                                     top, b.Width(), b.Height(), owner, nullptr, instance_);
  if (!windows->window) return false;
  w->window = w->form_window = windows->window;
  SetWindowLongFor(w->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
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
    const KindHandling& kind = HandlingOf(child->Kind());
    w->kind = &kind;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (child->Visible() ? WS_VISIBLE : 0) |
                        (child->Enabled() ? 0 : WS_DISABLED) | (child->TabStop() ? WS_TABSTOP : 0) |
                        kind.style(*child);
    // A panel's tab stops are its form's: the dialog manager walks into it.
    const DWORD ex_style = child->Children().empty() ? 0 : WS_EX_CONTROLPARENT;
    const int id = windows.next_child_id++;
    w->window = CreateWindowUtf8(ex_style, kind.window_class, child->Text(), style, b.left, b.top,
                                 b.Width(), b.Height(), parent_window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_);
    if (!w->window) return false;
    // Later components lie over earlier ones, as on the form.
    ::SetWindowPos(w->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongFor(w->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
    if (kind.native) {
      ::SendMessageA(w->window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(child->Font())),
                     FALSE);
      w->background.Reset(::CreateSolidBrush(ColorRefOf(child->Color())));
      w->native_proc = reinterpret_cast<WNDPROC>(
          SetWindowLongFor(w->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NativeProc)));
    }
    child->AttachView(w.get());
    if (!child->Hint().empty()) w->SetHint(child->Hint());
    if (kind.attach) kind.attach(*w);
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
    const BOOL got = GetMessageFor(message);
    if (got == 0) {
      quit = true;  // the application ends: leave, and let the outer loop see it too
      exit_code = message.wParam;
      break;
    }
    if (got < 0) break;
    if (!TabKey(message) && !IsDialogMessageFor(dialog, message)) {
      ::TranslateMessage(&message);
      DispatchMessageFor(message);
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

void Win32WindowHost::Quit(int exit_code) {
  ::PostQuitMessage(exit_code);
}

bool Win32WindowHost::TabKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || ::GetKeyState(VK_CONTROL) < 0)
    return false;
  ComponentWindow* w = OurWindow(message.hwnd);
  if (!w || !w->component) return false;
  ui::Component* root = w->component;
  while (root->Parent()) root = root->Parent();
  // The order is the components', the order their forms made them in.
  ui::Component* next = ui::NextTabStop(*root, w->component, ::GetKeyState(VK_SHIFT) < 0);
  if (next && next->View()) next->View()->SetFocus();
  return true;
}

int Win32WindowHost::RunMessageLoop() {
  MSG message;
  BOOL got;
  while ((got = GetMessageFor(message)) > 0) {
    if (TabKey(message)) continue;
    ::TranslateMessage(&message);
    DispatchMessageFor(message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace host::win32
