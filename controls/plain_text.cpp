#include "controls/plain_text.h"

namespace controls {

std::string PlainText(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  for (std::size_t i = 0; i < line.size();) {
    const std::string_view rest = line.substr(i);
    if (line[i] == '<') {
      const std::size_t end = line.find('>', i);
      if (end == std::string_view::npos) break;  // an unclosed tag hides the rest
      i = end + 1;
    } else if (rest.starts_with(kEscapedAmpersand)) {
      out += '&';
      i += kEscapedAmpersand.size();
    } else if (rest.starts_with(kEscapedLess)) {
      out += '<';
      i += kEscapedLess.size();
    } else {
      out += line[i++];
    }
  }
  return out;
}

std::string PlainTextOf(std::string_view row) {
  if (row.find("</") == std::string_view::npos) return std::string(row);
  return PlainText(row);
}

}  // namespace controls
