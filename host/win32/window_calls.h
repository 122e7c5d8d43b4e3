#pragma once
// The window calls of the host in the form the family takes: on the NT family the wide calls, so
// our windows are Unicode windows whose texts other programs read as written; on the 9x family
// the ANSI calls with the system code page. Texts are UTF-8 on this side.
#include <string>

#include "platform/win32/system_headers.h"

namespace host::win32 {

bool RegisterWindowClass(const WNDCLASSA& wc);
HWND CreateWindowUtf8(DWORD ex_style, const char* window_class, const std::string& text,
                      DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                      HINSTANCE instance);
LRESULT DefWindowProcFor(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CallWindowProcFor(WNDPROC proc, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LONG_PTR GetWindowLongFor(HWND window, int index);
LONG_PTR SetWindowLongFor(HWND window, int index, LONG_PTR value);
BOOL GetMessageFor(MSG& message);
LRESULT DispatchMessageFor(const MSG& message);
BOOL IsDialogMessageFor(HWND dialog, MSG& message);

void SetWindowTextUtf8(HWND window, const std::string& text);
std::string WindowTextUtf8(HWND window);
int MessageBoxUtf8(HWND owner, const std::string& text, const std::string& caption, UINT type);
BOOL AppendMenuUtf8(HMENU menu, UINT flags, UINT_PTR id, const std::string& text);
// A message whose lParam is a text (LB_INSERTSTRING, LB_FINDSTRING, ...).
LRESULT SendTextMessage(HWND window, UINT message, WPARAM wparam, const std::string& text);
// LB_GETTEXT of row `index`; empty for a row that is not there.
std::string ListBoxRowText(HWND list, int index);

// The UTF-8 of one WM_CHAR: a UTF-16 unit on the NT family (a surrogate pair comes in two, the
// first kept in `pending`), a code-page byte on the 9x family. Empty while a pair is half read.
std::string CharacterOf(WPARAM code, wchar_t& pending);

}  // namespace host::win32
