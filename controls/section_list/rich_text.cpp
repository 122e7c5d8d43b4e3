#include "controls/section_list/rich_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "text/utf8.h"
#include "text/windows_1252.h"

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
  // After "\uN" the next `fallback` characters stand in for it where Unicode is not read.
  long fallback_length = 1, fallback = 0;
  char32_t high_surrogate = 0;
  auto put = [&](char32_t character) {
    if (fallback > 0)
      --fallback;
    else if (character != 0)
      text::AppendCodePoint(out, character);
  };
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
      // The text's own characters pass as they are, whole: a rich text is UTF-8 like any other.
      const std::size_t length = text::DecodeFirst(std::string_view(rich).substr(i)).length;
      if (shown && fallback > 0)
        --fallback;
      else if (shown)
        out.append(rich, i, length);
      i += length - 1;
    } else if (i + 1 < n && (rich[i + 1] == '\\' || rich[i + 1] == '{' || rich[i + 1] == '}')) {
      if (shown) put(static_cast<unsigned char>(rich[i + 1]));
      ++i;
    } else if (i + 3 < n && rich[i + 1] == '\'') {
      const int high = HexValue(rich[i + 2]);
      const int low = HexValue(rich[i + 3]);
      if (shown && high >= 0 && low >= 0)
        put(text::Windows1252Character(static_cast<std::uint8_t>(high * 16 + low)));
      i += 3;
    } else if (i + 1 < n && rich[i + 1] == '*') {
      if (shown) hidden_from = depth;
      ++i;
    } else {
      std::size_t end = i + 1;
      while (end < n && std::isalpha(static_cast<unsigned char>(rich[end]))) ++end;
      const std::string_view word(rich.data() + i + 1, end - i - 1);
      const bool negative = end < n && rich[end] == '-';
      if (negative) ++end;
      long value = 0;
      for (; end < n && std::isdigit(static_cast<unsigned char>(rich[end])); ++end)
        value = std::min(value * 10 + (rich[end] - '0'), 0x10000L);
      if (end < n && rich[end] == ' ') ++end;  // the delimiter belongs to the word
      i = end - 1;
      if (!shown) continue;
      if (IsHiddenGroup(word)) {
        hidden_from = depth;
      } else if (word == "par" || word == "line") {
        out += "\r\n";
      } else if (word == "tab") {
        out += '\t';
      } else if (word == "uc") {
        fallback_length = value;
      } else if (word == "u") {
        // A signed 16-bit unit; a character past U+FFFF comes as two surrogates.
        const auto unit = static_cast<char32_t>(negative ? 0x10000 - value : value) & 0xFFFF;
        if (unit >= 0xD800 && unit < 0xDC00) {
          high_surrogate = unit;
        } else {
          const bool pair = unit >= 0xDC00 && unit < 0xE000 && high_surrogate != 0;
          fallback = 0;
          put(pair ? 0x10000 + ((high_surrogate - 0xD800) << 10) + (unit - 0xDC00) : unit);
          high_surrogate = 0;
        }
        fallback = fallback_length;
      }
    }
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

}  // namespace controls::inline section_list
