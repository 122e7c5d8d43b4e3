#pragma once
// Report and hand-off files are written in the system's ANSI code page, as their formats say,
// while the program's text is UTF-8. Every character the code page has is written as its byte
// (or bytes); one it lacks becomes, in the HTM form, a numeric character reference of its code
// point ("&#1055;", "&#128512;"), and in the TXT form the code page's own replacement.
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"

namespace report {

enum class FileForm { kText, kHtml };

std::string AnsiFileText(platform::CodePage& code_page, std::string_view utf8, FileForm form);
std::vector<std::string> AnsiFileLines(platform::CodePage& code_page,
                                       const std::vector<std::string>& utf8_lines, FileForm form);

}  // namespace report
