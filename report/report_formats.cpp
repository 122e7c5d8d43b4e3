#include "report/report_formats.h"

#include "controls/markup/text.h"

namespace report {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The HTML size of a quoted point size, or 0 when the number is not one we map.
int HtmlSizeOf(std::string_view digits) {
  if (digits.empty() || digits.size() > 2) return 0;
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  if (value >= 6 && value <= 8) return 2;
  if (value >= 9 && value <= 11) return 3;
  if (value >= 12 && value <= 15) return 4;
  return 0;
}

}  // namespace

std::string StripTags(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  bool inside = false;
  for (char c : s) {
    if (c == '<') inside = true;
    if (c == '>') inside = false;
    if (!inside && c != '<' && c != '>') out += c;
  }
  return out;
}

std::string RemoveImageTag(std::string_view s) {
  const std::size_t start = controls::markup::FindNoCase(s, "<IMG");
  if (start == std::string_view::npos) return std::string(s);
  std::string out(s.substr(0, start));
  const std::size_t close = controls::markup::FindNoCase(s, "</IMG>", start);
  if (close != std::string_view::npos) return out.append(s.substr(close + 6));
  const std::size_t end = s.find('>', start);
  if (end == std::string_view::npos) return std::string(s);
  return out.append(s.substr(end + 1));
}

std::string MapFontSizes(std::string_view s) {
  std::string line(s);
  std::size_t i = line.find('"');
  while (i != std::string::npos) {
    std::size_t j = i + 1;
    while (j < line.size() && IsDigit(line[j])) ++j;
    const int size = j < line.size() && line[j] == '"' ? HtmlSizeOf({&line[i + 1], j - i - 1}) : 0;
    if (size != 0) {
      line.replace(i + 1, j - i - 1, 1, static_cast<char>('0' + size));
      j = i + 2;
    }
    // A closing quote may open the next number: scan on from it.
    i = j < line.size() && line[j] == '"' ? j : line.find('"', j);
  }
  return line;
}

int LineFontSize(std::string_view s) {
  constexpr std::string_view kSize = "size=\"";
  const std::size_t at = s.find(kSize);
  if (at == std::string_view::npos) return 0;
  int value = 0;
  for (std::size_t i = at + kSize.size(); i < s.size() && i < at + kSize.size() + 2; ++i) {
    if (!IsDigit(s[i])) break;
    value = value * 10 + (s[i] - '0');
  }
  return value;
}

std::vector<std::string> HtmForm(const std::vector<std::string>& lines) {
  std::vector<std::string> form;
  form.reserve(lines.size() + 1);
  form.emplace_back("<TABLE>");
  for (const std::string& line : lines)
    form.push_back("<TR><TD>" +
                   MapFontSizes(RemoveImageTag(controls::markup::HtmlEscapedText(line))) +
                   "</TD></TR>");
  return form;
}

std::vector<std::string> TxtForm(const std::vector<std::string>& lines) {
  std::vector<std::string> form;
  form.reserve(lines.size());
  for (const std::string& line : lines) form.push_back(PlainText(line));
  return form;
}

}  // namespace report
