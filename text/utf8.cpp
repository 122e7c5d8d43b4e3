#include "text/utf8.h"

namespace text {

namespace {

constexpr bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// How a sequence starts: its length, the value bits of its lead byte and the range its second
// byte must fall in (which rules out overlong forms, surrogates and values past U+10FFFF).
struct Lead {
  std::size_t length = 0;  // 0: no sequence starts with this byte
  char32_t bits = 0;
  unsigned char second_low = 0x80, second_high = 0xBF;
};

constexpr Lead LeadOf(unsigned char byte) {
  if (byte < 0x80) return {1, byte};
  if (byte < 0xC2) return {};
  if (byte < 0xE0) return {2, byte & 0x1Fu};
  if (byte == 0xE0) return {3, 0, 0xA0, 0xBF};
  if (byte == 0xED) return {3, 0x0D, 0x80, 0x9F};
  if (byte < 0xF0) return {3, byte & 0x0Fu};
  if (byte == 0xF0) return {4, 0, 0x90, 0xBF};
  if (byte < 0xF4) return {4, byte & 0x07u};
  if (byte == 0xF4) return {4, 4, 0x80, 0x8F};
  return {};
}

}  // namespace

Decoded DecodeFirst(std::string_view text) {
  if (text.empty()) return {};
  const Lead lead = LeadOf(static_cast<unsigned char>(text[0]));
  if (lead.length == 0) return {kReplacementCharacter, 1};
  char32_t value = lead.bits;
  for (std::size_t i = 1; i < lead.length; ++i) {
    if (i == text.size()) return {kReplacementCharacter, i, true};
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool fits =
        i == 1 ? byte >= lead.second_low && byte <= lead.second_high : IsContinuation(byte);
    if (!fits) return {kReplacementCharacter, i};
    value = (value << 6) | (byte & 0x3Fu);
  }
  return {value, lead.length};
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) at += DecodeFirst(text.substr(at)).length;
  return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t characters) {
  std::size_t at = 0;
  for (; at < text.size() && characters > 0; --characters)
    at += DecodeFirst(text.substr(at)).length;
  return text.substr(0, at);
}

std::size_t CharacterStart(std::string_view text, std::size_t offset) {
  if (offset >= text.size()) return text.size();
  // A byte that is no continuation always starts a character; a continuation belongs to the
  // nearest such byte before it (at most three back) only when that one's sequence reaches it.
  for (std::size_t back = 1; back <= 3 && back <= offset; ++back) {
    const std::size_t start = offset - back;
    if (IsContinuation(static_cast<unsigned char>(text[start]))) continue;
    return start + DecodeFirst(text.substr(start)).length > offset ? start : offset;
  }
  return offset;
}

std::string_view WithoutCutEnd(std::string_view text) {
  const std::size_t last = text.empty() ? 0 : CharacterStart(text, text.size() - 1);
  return DecodeFirst(text.substr(last)).cut_short ? text.substr(0, last) : text;
}

void AppendCodePoint(std::string& out, char32_t code_point) {
  if ((code_point >= 0xD800 && code_point <= 0xDFFF) || code_point > 0x10FFFF)
    code_point = kReplacementCharacter;
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
    return;
  }
  const std::size_t length = code_point < 0x800 ? 2 : code_point < 0x10000 ? 3 : 4;
  static constexpr unsigned char kLeadMarks[] = {0, 0, 0xC0, 0xE0, 0xF0};
  char bytes[4];
  for (std::size_t i = length - 1; i > 0; --i) {
    bytes[i] = static_cast<char>(0x80 | (code_point & 0x3F));
    code_point >>= 6;
  }
  bytes[0] = static_cast<char>(kLeadMarks[length] | code_point);
  out.append(bytes, length);
}

}  // namespace text
