#include "platform/win32/pointer_tracking.h"

namespace platform::win32 {
namespace {

using TrackMouseEventFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

TrackMouseEventFn BindTrackMouseEvent() {
  if (HMODULE user32 = ::GetModuleHandleA("user32.dll"))
    if (FARPROC fn = ::GetProcAddress(user32, "TrackMouseEvent"))
      return reinterpret_cast<TrackMouseEventFn>(reinterpret_cast<void*>(fn));
  if (HMODULE controls = ::GetModuleHandleA("comctl32.dll"))
    if (FARPROC fn = ::GetProcAddress(controls, "_TrackMouseEvent"))
      return reinterpret_cast<TrackMouseEventFn>(reinterpret_cast<void*>(fn));
  return nullptr;
}

}  // namespace

bool TrackPointerLeave(HWND window) {
  static const TrackMouseEventFn track = BindTrackMouseEvent();
  if (!track) return false;
  TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
  return track(&request) != FALSE;
}

}  // namespace platform::win32
