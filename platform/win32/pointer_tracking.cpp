#include "platform/win32/pointer_tracking.h"

#include "platform/win32/modules.h"

namespace platform::win32 {
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

}  // namespace platform::win32
