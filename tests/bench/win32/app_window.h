#pragma once
// Which top-level windows the module lists as applications, as its window list decides: visible,
// owned by none but the desktop, and not a tool window unless it asks for a taskbar button.
#include <windows.h>

inline bool IsApplicationWindow(HWND window) {
  if (!::IsWindowVisible(window)) return false;
  const LONG_PTR owner = ::GetWindowLongPtrA(window, GWLP_HWNDPARENT);
  if (owner != 0 && reinterpret_cast<HWND>(owner) != ::GetDesktopWindow()) return false;
  const LONG_PTR ex_style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  return !(ex_style & WS_EX_TOOLWINDOW) || (ex_style & WS_EX_APPWINDOW);
}
