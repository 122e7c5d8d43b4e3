#pragma once
// UTF-8, the encoding of every string inside the program. Whatever cuts, counts or steps through
// text goes through these, so that no cut ever splits a character. A broken sequence (a stray
// continuation byte, an overlong or surrogate form, a sequence cut short) reads as U+FFFD and
// counts as one character per maximal broken part, as decoders commonly read it.
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character read at the start of a text.
struct Decoded {
  char32_t code_point = 0;
  std::size_t length = 0;  // bytes read: 0 only for an empty text
  bool cut_short = false;  // a sequence the text's end interrupted, which more bytes could finish
};

// The character at the start of `text`; U+FFFD for a broken sequence.
Decoded DecodeFirst(std::string_view text);

// The number of characters in `text`.
std::size_t CharacterCount(std::string_view text);

// The first `characters` characters of `text` (all of it when it holds fewer).
std::string_view FirstCharacters(std::string_view text, std::size_t characters);

// The start of the character that the byte at `offset` belongs to; `offset` itself when a
// character starts there, and text.size() for any offset at or past the end.
std::size_t CharacterStart(std::string_view text, std::size_t offset);

// `text` without a sequence its end cut short, as a full buffer may end.
std::string_view WithoutCutEnd(std::string_view text);

// Appends the UTF-8 form of `code_point`; U+FFFD for a surrogate or a value past U+10FFFF.
void AppendCodePoint(std::string& out, char32_t code_point);

}  // namespace text
