#pragma once
// The system's ANSI code page through kernel32's conversions.
#include "platform/code_page.h"

namespace platform::win32 {

class Win32CodePage : public platform::CodePage {
 public:
  std::string AnsiFromUtf8(std::string_view utf8, bool* replaced) override;
  std::string Utf8FromAnsi(std::string_view ansi) override;
};

}  // namespace platform::win32
