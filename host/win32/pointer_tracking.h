#pragma once
// Asking for WM_MOUSELEAVE. TrackMouseEvent is missing from the oldest systems the program runs
// on, so it is bound by name at run time: from user32, else the common controls' equivalent;
// where neither exists, components get no leave notice.
#include "platform/win32/system_headers.h"

namespace host::win32 {

// True when a WM_MOUSELEAVE will come once the pointer leaves `window`.
bool TrackPointerLeave(HWND window);

}  // namespace host::win32
