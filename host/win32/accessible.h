#pragma once
// Screen readers and automation ask a window for its accessible object (WM_GETOBJECT). A
// component without child components, and every list, answers with an object of ours that reads
// the component's own description (ui::AccessibleInfo) and a list's rows as its children; forms
// and panels keep the system's object, which walks their child windows. oleacc is bound at run
// time from the system folder, so the program still loads where it is absent.
#include "platform/win32/system_headers.h"

namespace host::win32 {

// Answers WM_GETOBJECT for a component's window into `result`; false leaves the message to the
// window's own procedure (another object asked for, no oleacc, or no component any more).
bool AnswerGetObject(HWND window, WPARAM wparam, LPARAM lparam, LRESULT& result);

}  // namespace host::win32
