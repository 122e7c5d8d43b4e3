#include "host/win32/edit_box_text.h"

namespace host::win32 {

std::string EditBoxText::Text() const {
  const int length = ::GetWindowTextLengthA(edit_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(edit_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void EditBoxText::SetText(const std::string& text) {
  ::SetWindowTextA(edit_, text.c_str());
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
