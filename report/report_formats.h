#pragma once
// The conversions that turn report lines (caption markup) into the forms a report leaves the
// program in: plain text for TXT files and printing, table rows for HTM files.
#include <string>
#include <string_view>
#include <vector>

#include "controls/markup/escapes.h"

namespace report {

// Upper case of ASCII letters only: file names are compared without the locale.
constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Drops everything from a "<" to the next ">", and any lone ">".
std::string StripTags(std::string_view s);
// The line without its first image tag (to "</IMG>", else to the next ">").
std::string RemoveImageTag(std::string_view s);
// Every quoted point size 6..15 as the quoted HTML font size 2, 3 or 4.
std::string MapFontSizes(std::string_view s);
// The point size of the first size="NN" attribute; 0 when it has none or no digits.
int LineFontSize(std::string_view s);

// The text a reader sees: tags removed, the escapes values carry on screen decoded.
using controls::markup::PlainText;

// The HTM form: a "<TABLE>" line, then one table row per line.
std::vector<std::string> HtmForm(const std::vector<std::string>& lines);
// The TXT form: one plain-text line per line.
std::vector<std::string> TxtForm(const std::vector<std::string>& lines);

}  // namespace report
