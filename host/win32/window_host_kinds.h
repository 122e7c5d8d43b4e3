#pragma once
// What the host does differently for each kind of component, in one place: the window it makes,
// the native parts it attaches, and the messages only that kind takes. Making the windows,
// detaching them and routing their messages all read it.
#include "host/win32/window_host_windows.h"

namespace host::win32 {

struct KindHandling {
  const char* window_class;  // kComponentClass for a window of ours
  // A native control: given the component's font and colour, and subclassed with NativeProc.
  bool native;
  // The styles the kind adds to those every child window has.
  DWORD (*style)(const ui::Component& component);
  // Once the window is made and the view attached: the control's native parts, handed to the
  // component; and the component letting go of them. Null when the kind has none.
  void (*attach)(ComponentWindow& w);
  void (*detach)(ComponentWindow& w);
  // What a parent does for a child of this kind (item sizes and paint, notifications): true
  // when it answered the message into `result`. Null: nothing.
  bool (*for_parent)(ComponentWindow& parent, ComponentWindow& child, UINT message, WPARAM wparam,
                     LPARAM lparam, LRESULT& result);
  // A native control's messages the kind takes before the component's input, inside the guard;
  // and what follows the control's own procedure. Null: nothing.
  bool (*before_native)(ComponentWindow& w, UINT message, WPARAM wparam, LPARAM lparam,
                        LRESULT& result);
  void (*after_native)(ComponentWindow& w, UINT message);
};

const KindHandling& HandlingOf(ui::ComponentKind kind);

}  // namespace host::win32
