#pragma once
// Texts that begin with "{\" are rich text. The lists have no rich-text engine: they measure
// and show the plain text such a caption holds.
#include <string>

namespace controls::inline section_list {

bool IsRichText(const std::string& text);
// The text runs of a rich text: control words and groups such as the font table are dropped,
// paragraph and line marks become CR LF, tabs stay tabs, escaped characters come through in
// UTF-8: "\'xx" as the Windows-1252 character of the rich text's "\ansi" set, "\uN" as the
// character it numbers (its fallback characters, "\ucN" of them, left out).
std::string RichTextToPlain(const std::string& rich);

}  // namespace controls::inline section_list
