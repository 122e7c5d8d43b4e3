#include "platform/win32/code_page.h"

#include "platform/win32/text_boundary.h"

namespace platform::win32 {

std::string Win32CodePage::AnsiFromUtf8(std::string_view utf8, bool* replaced) {
  return platform::win32::AnsiFromUtf8(utf8, replaced);
}

std::string Win32CodePage::Utf8FromAnsi(std::string_view ansi) {
  return platform::win32::Utf8FromAnsi(ansi);
}

}  // namespace platform::win32
