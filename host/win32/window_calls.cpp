#include "host/win32/window_calls.h"

#include "platform/win32/text_boundary.h"

namespace host::win32 {

using platform::win32::AnsiFromUtf8;
using platform::win32::Utf8FromAnsi;
using platform::win32::Utf8FromWide;
using platform::win32::WideFromUtf8;

bool RegisterWindowClass(const WNDCLASSA& wc) {
  if (const auto register_class = RV_WIDE("user32.dll", RegisterClassW)) {
    const std::wstring name = WideFromUtf8(wc.lpszClassName);
    WNDCLASSW wide{};
    wide.style = wc.style;
    wide.lpfnWndProc = wc.lpfnWndProc;
    wide.hInstance = wc.hInstance;
    wide.hCursor = wc.hCursor;
    wide.hIcon = wc.hIcon;
    wide.hbrBackground = wc.hbrBackground;
    wide.lpszClassName = name.c_str();
    return register_class(&wide) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
  return ::RegisterClassA(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateWindowUtf8(DWORD ex_style, const char* window_class, const std::string& text,
                      DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                      HINSTANCE instance) {
  if (const auto create = RV_WIDE("user32.dll", CreateWindowExW))
    return create(ex_style, WideFromUtf8(window_class).c_str(), WideFromUtf8(text).c_str(), style,
                  x, y, width, height, parent, menu, instance, nullptr);
  return ::CreateWindowExA(ex_style, window_class, AnsiFromUtf8(text).c_str(), style, x, y, width,
                           height, parent, menu, instance, nullptr);
}

LRESULT DefWindowProcFor(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (const auto def = RV_WIDE("user32.dll", DefWindowProcW))
    return def(window, message, wparam, lparam);
  return ::DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CallWindowProcFor(WNDPROC proc, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (const auto call = RV_WIDE("user32.dll", CallWindowProcW))
    return call(proc, window, message, wparam, lparam);
  return ::CallWindowProcA(proc, window, message, wparam, lparam);
}

LONG_PTR GetWindowLongFor(HWND window, int index) {
  if (const auto get = RV_WIDE("user32.dll", GetWindowLongPtrW)) return get(window, index);
  return ::GetWindowLongPtrA(window, index);
}

LONG_PTR SetWindowLongFor(HWND window, int index, LONG_PTR value) {
  if (const auto set = RV_WIDE("user32.dll", SetWindowLongPtrW)) return set(window, index, value);
  return ::SetWindowLongPtrA(window, index, value);
}

BOOL GetMessageFor(MSG& message) {
  if (const auto get = RV_WIDE("user32.dll", GetMessageW)) return get(&message, nullptr, 0, 0);
  return ::GetMessageA(&message, nullptr, 0, 0);
}

LRESULT DispatchMessageFor(const MSG& message) {
  if (const auto dispatch = RV_WIDE("user32.dll", DispatchMessageW)) return dispatch(&message);
  return ::DispatchMessageA(&message);
}

BOOL IsDialogMessageFor(HWND dialog, MSG& message) {
  if (const auto is_dialog = RV_WIDE("user32.dll", IsDialogMessageW))
    return is_dialog(dialog, &message);
  return ::IsDialogMessageA(dialog, &message);
}

void SetWindowTextUtf8(HWND window, const std::string& text) {
  if (const auto set = RV_WIDE("user32.dll", SetWindowTextW))
    set(window, WideFromUtf8(text).c_str());
  else
    ::SetWindowTextA(window, AnsiFromUtf8(text).c_str());
}

std::string WindowTextUtf8(HWND window) {
  if (const auto get = RV_WIDE("user32.dll", GetWindowTextW)) {
    const auto length = RV_WIDE("user32.dll", GetWindowTextLengthW);
    std::wstring text(static_cast<std::size_t>(length ? length(window) : 0) + 1, L'\0');
    const int copied = get(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Utf8FromWide(text);
  }
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return Utf8FromAnsi(text);
}

int MessageBoxUtf8(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  if (const auto box = RV_WIDE("user32.dll", MessageBoxW))
    return box(owner, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(), type);
  return ::MessageBoxA(owner, AnsiFromUtf8(text).c_str(), AnsiFromUtf8(caption).c_str(), type);
}

BOOL AppendMenuUtf8(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) {
  const bool has_text = (flags & MF_SEPARATOR) == 0;
  if (const auto append = RV_WIDE("user32.dll", AppendMenuW))
    return append(menu, flags, id, has_text ? WideFromUtf8(text).c_str() : nullptr);
  return ::AppendMenuA(menu, flags, id, has_text ? AnsiFromUtf8(text).c_str() : nullptr);
}

LRESULT SendTextMessage(HWND window, UINT message, WPARAM wparam, const std::string& text) {
  if (const auto send = RV_WIDE("user32.dll", SendMessageW)) {
    const std::wstring wide = WideFromUtf8(text);
    return send(window, message, wparam, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  const std::string ansi = AnsiFromUtf8(text);
  return ::SendMessageA(window, message, wparam, reinterpret_cast<LPARAM>(ansi.c_str()));
}

std::string ListBoxRowText(HWND list, int index) {
  const auto row = static_cast<WPARAM>(index);
  if (const auto send = RV_WIDE("user32.dll", SendMessageW)) {
    const LRESULT length = send(list, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = send(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Utf8FromWide(text);
  }
  const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, row, 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      ::SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return Utf8FromAnsi(text);
}

std::string CharacterOf(WPARAM code, wchar_t& pending) {
  if (!platform::win32::WideCalls()) return Utf8FromAnsi(std::string(1, static_cast<char>(code)));
  const auto unit = static_cast<wchar_t>(code);
  if (unit >= 0xD800 && unit < 0xDC00) {
    pending = unit;
    return {};
  }
  std::wstring units;
  if (unit >= 0xDC00 && unit < 0xE000 && pending != 0) units += pending;
  pending = 0;
  units += unit;
  return Utf8FromWide(units);
}

}  // namespace host::win32
