#include "report/file_encoding.h"

#include "text/utf8.h"

namespace report {

namespace {

bool IsAscii(char c) {
  return static_cast<unsigned char>(c) < 0x80;
}

// A run of characters beyond ASCII in the HTM form: converted whole when the code page has all
// of them, which is the common case; else one by one, each it lacks as a reference.
void AppendHtmlRun(platform::CodePage& code_page, std::string_view run, std::string& out) {
  bool replaced = false;
  std::string ansi = code_page.AnsiFromUtf8(run, &replaced);
  if (!replaced) {
    out += ansi;
    return;
  }
  while (!run.empty()) {
    const text::Decoded character = text::DecodeFirst(run);
    replaced = false;
    ansi = code_page.AnsiFromUtf8(run.substr(0, character.length), &replaced);
    if (replaced)
      out.append("&#").append(std::to_string(character.code_point)).append(";");
    else
      out += ansi;
    run.remove_prefix(character.length);
  }
}

}  // namespace

std::string AnsiFileText(platform::CodePage& code_page, std::string_view utf8, FileForm form) {
  if (form == FileForm::kText) return code_page.AnsiFromUtf8(utf8, nullptr);
  // Every ANSI code page keeps ASCII as it is: tags and entities need no conversion.
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    std::size_t end = at;
    const bool ascii = IsAscii(utf8[at]);
    while (end < utf8.size() && IsAscii(utf8[end]) == ascii) ++end;
    if (ascii)
      out.append(utf8.substr(at, end - at));
    else
      AppendHtmlRun(code_page, utf8.substr(at, end - at), out);
    at = end;
  }
  return out;
}

std::vector<std::string> AnsiFileLines(platform::CodePage& code_page,
                                       const std::vector<std::string>& utf8_lines, FileForm form) {
  std::vector<std::string> lines;
  lines.reserve(utf8_lines.size());
  for (const std::string& line : utf8_lines) lines.push_back(AnsiFileText(code_page, line, form));
  return lines;
}

}  // namespace report
