#include "platform/win32/user_interface.h"

#include "platform/win32/system_headers.h"

#include <algorithm>
#include <exception>
#include <string>

#include "platform/win32/text_boundary.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {
namespace {

struct Enumeration {
  const std::function<bool(WindowHandle)>& callback;
  std::exception_ptr failure;
};

// A failing callback stops the enumeration; its exception is thrown again once the system's
// frames are behind us.
BOOL CALLBACK ForwardWindow(HWND window, LPARAM context) {
  auto* enumeration = reinterpret_cast<Enumeration*>(context);
  try {
    return enumeration->callback(FromHandle(window)) ? TRUE : FALSE;
  } catch (...) {
    enumeration->failure = std::current_exception();
    return FALSE;
  }
}

}  // namespace

int Win32UserInterface::LoadString(Handle module, std::uint32_t id, char* buffer, int size) {
  if (size <= 0) return 0;
  const auto instance = ToHandle<HINSTANCE>(module);
  if (const auto load = RV_WIDE("user32.dll", LoadStringW)) {
    // The resource's own UTF-16, read in place (a buffer size of 0 gives its address).
    const wchar_t* text = nullptr;
    const int units = load(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (units <= 0 || !text) return 0;
    return CopyUtf8(Utf8FromWide({text, static_cast<std::size_t>(units)}), buffer, size);
  }
  std::string ansi(static_cast<std::size_t>(size), '\0');
  const int copied = ::LoadStringA(instance, id, ansi.data(), size);
  if (copied <= 0) return 0;
  ansi.resize(static_cast<std::size_t>(copied));
  return CopyUtf8(Utf8FromAnsi(ansi), buffer, size);
}

int Win32UserInterface::MessageBox(WindowHandle owner, const std::string& text,
                                   const std::string& caption, std::uint32_t type) {
  if (const auto box = RV_WIDE("user32.dll", MessageBoxW))
    return box(ToHandle<HWND>(owner), WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(),
               type);
  return ::MessageBoxA(ToHandle<HWND>(owner), AnsiFromUtf8(text).c_str(),
                       AnsiFromUtf8(caption).c_str(), type);
}

void Win32UserInterface::EnumWindows(const std::function<bool(WindowHandle)>& callback) {
  Enumeration enumeration{callback, nullptr};
  ::EnumWindows(ForwardWindow, reinterpret_cast<LPARAM>(&enumeration));
  if (enumeration.failure) std::rethrow_exception(enumeration.failure);
}

bool Win32UserInterface::IsWindowVisible(WindowHandle window) {
  return ::IsWindowVisible(ToHandle<HWND>(window)) != FALSE;
}

std::intptr_t Win32UserInterface::GetWindowLongA(WindowHandle window, int index) {
  return ::GetWindowLongPtrA(ToHandle<HWND>(window), index);
}

WindowHandle Win32UserInterface::GetDesktopWindow() {
  return FromHandle(::GetDesktopWindow());
}

std::uint32_t Win32UserInterface::GetWindowThreadProcessId(WindowHandle window) {
  DWORD process_id = 0;
  return ::GetWindowThreadProcessId(ToHandle<HWND>(window), &process_id) != 0 ? process_id : 0;
}

int Win32UserInterface::GetWindowText(WindowHandle window, char* buffer, int size) {
  if (size <= 0) return 0;
  // At most size - 1 characters either way; their UTF-8 is cut where it does not fit.
  if (const auto get = RV_WIDE("user32.dll", GetWindowTextW)) {
    std::wstring title(static_cast<std::size_t>(size), L'\0');
    const int units = get(ToHandle<HWND>(window), title.data(), size);
    if (units <= 0) return 0;
    title.resize(static_cast<std::size_t>(std::min(units, size - 1)));
    return CopyUtf8(Utf8FromWide(title), buffer, size);
  }
  std::string title(static_cast<std::size_t>(size), '\0');
  const int copied = ::GetWindowTextA(ToHandle<HWND>(window), title.data(), size);
  if (copied <= 0) return 0;
  title.resize(static_cast<std::size_t>(std::min(copied, size - 1)));
  return CopyUtf8(Utf8FromAnsi(title), buffer, size);
}

std::uintptr_t Win32UserInterface::GetClassLongA(WindowHandle window, int index) {
  return ::GetClassLongPtrA(ToHandle<HWND>(window), index);
}

bool Win32UserInterface::ShowWindowAsync(WindowHandle window, int command) {
  return ::ShowWindowAsync(ToHandle<HWND>(window), command) != FALSE;
}

bool Win32UserInterface::SetForegroundWindow(WindowHandle window) {
  return ::SetForegroundWindow(ToHandle<HWND>(window)) != FALSE;
}

bool Win32UserInterface::PostMessageA(WindowHandle window, std::uint32_t message,
                                      std::uintptr_t wparam, std::intptr_t lparam) {
  return ::PostMessageA(ToHandle<HWND>(window), message, wparam, lparam) != FALSE;
}

Point Win32UserInterface::GetCursorPos() {
  POINT at{0, 0};
  ::GetCursorPos(&at);
  return {at.x, at.y};
}

}  // namespace platform::win32
