#pragma once
// The system's ANSI code page. The program holds its text as UTF-8; report and hand-off files are
// written in this code page, as their format says.
#include <string>
#include <string_view>

namespace platform {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // WideCharToMultiByte(CP_ACP) of the UTF-8 text. A character the code page lacks becomes the
  // code page's own replacement and sets `*replaced` when it is given.
  virtual std::string AnsiFromUtf8(std::string_view utf8, bool* replaced) = 0;
  // MultiByteToWideChar(CP_ACP) of the bytes, as UTF-8.
  virtual std::string Utf8FromAnsi(std::string_view ansi) = 0;
};

}  // namespace platform
