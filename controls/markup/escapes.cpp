#include "controls/markup/escapes.h"

namespace controls::markup {

std::string EscapeValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (c == '&') {
      out += kEscapedAmpersand;
      out += kEntityBreak;
    } else if (c == '<') {
      out += kEscapedLess;
    } else {
      out += c;
    }
  }
  return out;
}

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

std::string HtmlEscapedText(std::string_view line) {
  std::string out;
  out.reserve(line.size() + line.size() / 4);
  for (std::size_t i = 0; i < line.size();) {
    const char c = line[i];
    if (c == '<') {
      const std::size_t end = line.find('>', i);
      if (end == std::string_view::npos) {
        out += "&lt;";  // not a tag: shown as text
        ++i;
        continue;
      }
      out.append(line.substr(i, end + 1 - i));  // the entity break among them
      i = end + 1;
      continue;
    }
    // Past a "<", an escape is "&&" or "&lt;"; the break after an "&&" goes with it.
    const Escape escape = EscapeAt(line.substr(i));
    if (escape.shows == '&') {
      out += "&amp;";
      i += escape.length;
      if (line.substr(i).starts_with(kEntityBreak)) i += kEntityBreak.size();
      continue;
    }
    if (escape.shows == '<') {
      out += "&lt;";
      i += escape.length;
      continue;
    }
    if (c == '&')
      out += "&amp;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
    ++i;
  }
  return out;
}

}  // namespace controls::markup
