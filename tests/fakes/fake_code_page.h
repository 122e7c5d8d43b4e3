#pragma once
// Windows-1252 by table, as a Western system's ANSI code page converts: a character it lacks
// becomes "?".
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace fakes {

class FakeCodePage : public platform::CodePage {
 public:
  std::string AnsiFromUtf8(std::string_view utf8, bool* replaced) override;
  std::string Utf8FromAnsi(std::string_view ansi) override;
};

}  // namespace fakes
