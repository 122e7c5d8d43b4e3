#include "controls/section_list/rich_text.h"

#include <array>
#include <cctype>
#include <string_view>

namespace controls::inline section_list {

namespace {

// Groups that hold no text of the document.
constexpr std::array<std::string_view, 7> kHiddenGroups = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer"};

bool IsHiddenGroup(std::string_view word) {
  for (std::string_view hidden : kHiddenGroups)
    if (word == hidden) return true;
  return false;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool IsRichText(const std::string& text) {
  return text.starts_with("{\\");
}

std::string RichTextToPlain(const std::string& rich) {
  std::string out;
  int depth = 0;
  int hidden_from = -1;  // the depth of the group being left out, -1 for none
  const std::size_t n = rich.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = rich[i];
    const bool shown = hidden_from < 0;
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (depth == hidden_from) hidden_from = -1;
      --depth;
    } else if (c == '\r' || c == '\n') {
      // Line breaks of the source are not text.
    } else if (c != '\\') {
      if (shown) out += c;
    } else if (i + 1 < n && (rich[i + 1] == '\\' || rich[i + 1] == '{' || rich[i + 1] == '}')) {
      if (shown) out += rich[i + 1];
      ++i;
    } else if (i + 3 < n && rich[i + 1] == '\'') {
      const int high = HexValue(rich[i + 2]);
      const int low = HexValue(rich[i + 3]);
      if (shown && high >= 0 && low >= 0) out += static_cast<char>(high * 16 + low);
      i += 3;
    } else if (i + 1 < n && rich[i + 1] == '*') {
      if (shown) hidden_from = depth;
      ++i;
    } else {
      std::size_t end = i + 1;
      while (end < n && std::isalpha(static_cast<unsigned char>(rich[end]))) ++end;
      const std::string_view word(rich.data() + i + 1, end - i - 1);
      if (end < n && rich[end] == '-') ++end;
      while (end < n && std::isdigit(static_cast<unsigned char>(rich[end]))) ++end;
      if (end < n && rich[end] == ' ') ++end;  // the delimiter belongs to the word
      i = end - 1;
      if (!shown) continue;
      if (IsHiddenGroup(word))
        hidden_from = depth;
      else if (word == "par" || word == "line")
        out += "\r\n";
      else if (word == "tab")
        out += '\t';
    }
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

}  // namespace controls::inline section_list
