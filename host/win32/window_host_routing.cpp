// Message routing: what the system sends our windows and the native controls, turned into the
// components' portable events.
#include "host/win32/window_calls.h"
#include "host/win32/window_host_kinds.h"
// windowsx.h needs the types of windows.h.
#include <windowsx.h>

#include "host/win32/accessible.h"
#include "host/win32/pointer_tracking.h"
#include "platform/win32/live_handles.h"
#include "text/utf8.h"

namespace host::win32 {

using platform::win32::ColorRefOf;
using platform::win32::HandleKind;
using platform::win32::kLiveHandlesMessage;
using platform::win32::LiveHandles;

namespace {

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
    case WM_SYSKEYDOWN:
      // Shift+F10 comes as a system key; it stands for the context-menu key.
      return wparam == VK_F10 && c.KeyDown(VK_F10, KeyShift());
    case WM_CHAR: {
      // A character reaches the component whole: a surrogate pair waits for its second half.
      static wchar_t pending = 0;
      const std::string character = CharacterOf(wparam, pending);
      return !character.empty() && c.KeyPress(text::DecodeFirst(character).code_point);
    }
    case WM_SETFOCUS:
      if (w.windows && w.window != w.form_window) w.windows->last_focus = w.window;
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

// What the dialog manager may leave to a focused component: arrows and characters always, and
// Enter, which it would otherwise take as the form's default command.
LRESULT DialogCode(LPARAM lparam) {
  const auto* key = reinterpret_cast<const MSG*>(lparam);
  const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
  return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

// The child window a message to its parent is about, for the messages a parent answers for its
// native children; null for any other message.
HWND ChildOfMessage(HWND parent, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MEASUREITEM:
      return ::GetDlgItem(parent, static_cast<int>(wparam));
    case WM_DRAWITEM:
      return reinterpret_cast<DRAWITEMSTRUCT*>(lparam)->hwndItem;
    case WM_COMMAND:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<HWND>(lparam);
  }
  return nullptr;
}

// What a parent does for its native children: their item sizes and paint, notifications and
// colours come to the parent and go on to the child's component.
bool ForwardToChild(ComponentWindow& parent, UINT message, WPARAM wparam, LPARAM lparam,
                    LRESULT& result) {
  HWND child_window = ChildOfMessage(parent.window, message, wparam, lparam);
  ComponentWindow* child = child_window ? WindowData(child_window) : nullptr;
  if (!child) return false;
  if (message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLOREDIT) {
    if (!child->component || !child->background) return false;
    ::SetBkColor(reinterpret_cast<HDC>(wparam), ColorRefOf(child->component->Color()));
    ::SetTextColor(reinterpret_cast<HDC>(wparam), ColorRefOf(child->component->Font().color));
    result = reinterpret_cast<LRESULT>(child->background.Get());
    return true;
  }
  return child->kind->for_parent &&
         child->kind->for_parent(parent, *child, message, wparam, lparam, result);
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
    case WM_ACTIVATE: {
      // Only the form's own component windows are noted, so the one noted lies in this form.
      HWND focus = w.windows ? w.windows->last_focus : nullptr;
      if (LOWORD(wparam) == WA_INACTIVE || HIWORD(wparam) || !focus || !::IsWindow(focus) ||
          !::IsWindowVisible(focus) || !::IsWindowEnabled(focus))
        return false;
      ::SetFocus(focus);
      result = 0;
      return true;
    }
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

}  // namespace

// The route of a message to one of our windows, in this order, the first taker ending it:
//  0. in the message loops, before dispatch: Tab and Shift+Tab move the focus (TabKey), and in
//     a modal form the dialog manager takes Escape;
//  1. the window's own end (WM_NCDESTROY detaches), the host's failure box, the live handle
//     counts asked for from outside, the main form's end;
//  2. inside the guard: erase and paint; the keys the dialog manager leaves to the window; our
//     accessible object (WM_GETOBJECT); what a parent does for its native children (item sizes
//     and paint, notifications, colours); what only a form does (size limits, the focus given
//     back on activation, close, Escape); then the input every component shares (mouse, keys,
//     focus, capture, cursor);
//  3. whatever is left goes to DefWindowProc.
// A native control's messages take NativeProc below: its component first, then its own procedure.
LRESULT CALLBACK ComponentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ComponentWindow* w = WindowData(window);
  if (!w) return DefWindowProcFor(window, message, wparam, lparam);
  Win32WindowHost* host = w->host;
  if (message == WM_NCDESTROY) {
    if (window == w->form_window) host->FormWindowGone(window);
    Detach(*w);
    return DefWindowProcFor(window, message, wparam, lparam);
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
    } else if (message == WM_GETDLGCODE) {
      result = DialogCode(lparam);
      handled = true;
    } else if (message == WM_GETOBJECT && AnswerGetObject(window, wparam, lparam, result)) {
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
  return handled ? result : DefWindowProcFor(window, message, wparam, lparam);
}

// The procedure native controls are subclassed with: the messages their kind takes and the
// component's input come first, and what they leave goes on to the control's own procedure. The
// kind is read before that procedure runs, as it outlives every window.
LRESULT CALLBACK NativeProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  ComponentWindow* w = WindowData(window);
  if (!w) return DefWindowProcFor(window, message, wparam, lparam);
  const WNDPROC native = w->native_proc;
  const KindHandling& kind = *w->kind;
  if (message == WM_NCDESTROY) {
    SetWindowLongFor(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native));
    Detach(*w);
    return CallWindowProcFor(native, window, message, wparam, lparam);
  }
  LRESULT result = 0;
  bool handled = false;
  Guarded(w->host, [&] {
    if (!w->component) return;
    if (kind.before_native && kind.before_native(*w, message, wparam, lparam, result)) {
      handled = true;
    } else if (RouteInput(*w, message, wparam, lparam)) {
      handled = true;
      result = message == WM_SETCURSOR ? TRUE : 0;
    }
  });
  if (handled) return result;
  result = CallWindowProcFor(native, window, message, wparam, lparam);
  if (message == WM_GETDLGCODE) result |= DialogCode(lparam);
  if (kind.after_native) kind.after_native(*w, message);
  return result;
}

}  // namespace host::win32
