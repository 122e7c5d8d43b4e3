#include "host/win32/edit_box_text.h"
#include "host/win32/window_calls.h"

namespace host::win32 {

std::string EditBoxText::Text() const {
  return WindowTextUtf8(edit_);
}

void EditBoxText::SetText(const std::string& text) {
  SetWindowTextUtf8(edit_, text);
}

void EditBoxText::SelectAll() {
  ::SendMessageA(edit_, EM_SETSEL, 0, -1);
  // Back to the start of the text, so its first line shows.
  ::SendMessageA(edit_, EM_LINESCROLL, 0, -::SendMessageA(edit_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

int EditBoxText::LineCount() const {
  return static_cast<int>(::SendMessageA(edit_, EM_GETLINECOUNT, 0, 0));
}

}  // namespace host::win32
