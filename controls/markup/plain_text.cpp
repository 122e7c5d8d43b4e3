#include "controls/markup/plain_text.h"

namespace controls::markup {

Escape EscapeAt(std::string_view rest) {
  if (rest.starts_with(kEntityBreak)) return {'\0', kEntityBreak.size()};
  if (rest.starts_with(kEscapedAmpersand)) return {'&', kEscapedAmpersand.size()};
  if (rest.starts_with(kEscapedLess)) return {'<', kEscapedLess.size()};
  return {};
}

std::string PlainText(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  for (std::size_t i = 0; i < line.size();) {
    if (line[i] == '<') {
      const std::size_t end = line.find('>', i);
      if (end == std::string_view::npos) break;  // an unclosed tag hides the rest
      i = end + 1;
      continue;
    }
    const Escape escape = EscapeAt(line.substr(i));
    if (escape.length == 0) {
      out += line[i++];
      continue;
    }
    out += escape.shows;  // never the entity break: it starts with "<", a tag
    i += escape.length;
  }
  return out;
}

std::string PlainTextOf(std::string_view row) {
  if (row.find("</") == std::string_view::npos) return std::string(row);
  return PlainText(row);
}

}  // namespace controls::markup
