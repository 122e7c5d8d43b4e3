#pragma once
// The escapes a value carries inside a markup line, so that the markup shows it exactly as
// written, and the readers of such lines: the text a reader sees (what the TXT report, printing,
// screen readers and typing a row's first letters go by) and the HTM report's form of it.
#include <string>
#include <string_view>

namespace controls::markup {

// "&" becomes "&&" (one "&" on screen) closed by an empty hidden span, which keeps any entity
// from forming across it; "<" becomes "&lt;", which only ever shows as "<".
inline constexpr std::string_view kEscapedAmpersand = "&&";
inline constexpr std::string_view kEntityBreak = "<Z></Z>";
inline constexpr std::string_view kEscapedLess = "&lt;";

// `value` escaped so that the markup shows it exactly as written: no tag or entity can form in
// it.
std::string EscapeValue(std::string_view value);

// The escape at the start of `rest`, if any: the character it shows and its length. The entity
// break reads as an escape of length kEntityBreak.size() that shows nothing ('\0').
struct Escape {
  char shows = 0;
  std::size_t length = 0;
};
Escape EscapeAt(std::string_view rest);

// Tags removed and the escapes above turned back into the characters they stand for. Unlike
// removing tags alone it keeps a ">" outside any tag, which a value may hold.
std::string PlainText(std::string_view line);
// A row as it reads: the plain text of a markup line (one that holds "</"), any other text as
// it is, since the list shows that one unrendered.
std::string PlainTextOf(std::string_view row);

// The same line with its tags kept and its text (escapes decoded) in HTML entities, so that no
// value can form a tag in an HTML page.
std::string HtmlEscapedText(std::string_view line);

}  // namespace controls::markup
