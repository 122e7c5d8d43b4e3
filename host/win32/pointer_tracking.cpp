#include "host/win32/pointer_tracking.h"

#include "platform/win32/modules.h"

namespace host::win32 {

using platform::win32::EntryAs;
using platform::win32::LoadedModuleEntry;

namespace {

using TrackMouseEventFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

TrackMouseEventFn BindTrackMouseEvent() {
  if (FARPROC fn = LoadedModuleEntry("user32.dll", "TrackMouseEvent"))
    return EntryAs<TrackMouseEventFn>(fn);
  return EntryAs<TrackMouseEventFn>(LoadedModuleEntry("comctl32.dll", "_TrackMouseEvent"));
}

}  // namespace

bool TrackPointerLeave(HWND window) {
  static const TrackMouseEventFn track = BindTrackMouseEvent();
  if (!track) return false;
  TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
  return track(&request) != FALSE;
}

}  // namespace host::win32
