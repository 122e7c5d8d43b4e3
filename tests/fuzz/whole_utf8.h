#pragma once
// Whether a text is whole UTF-8: every sequence complete, a U+FFFD read only where one was written.
#include <string_view>

#include "text/utf8.h"

inline bool WholeUtf8(std::string_view text) {
  while (!text.empty()) {
    const text::Decoded d = text::DecodeFirst(text);
    if (d.code_point == text::kReplacementCharacter && !text.starts_with("\xEF\xBF\xBD"))
      return false;
    text.remove_prefix(d.length);
  }
  return true;
}
