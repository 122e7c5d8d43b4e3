#include "tests/fakes/fake_code_page.h"

#include "text/utf8.h"

namespace fakes {

namespace {

// The characters of 0x80..0x9F; 0 where the code page has none, which the system maps to the
// C1 control of the same value.
constexpr char16_t kHighRow[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CharacterOf(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  return kHighRow[byte - 0x80] != 0 ? kHighRow[byte - 0x80] : byte;
}

}  // namespace

std::string FakeCodePage::AnsiFromUtf8(std::string_view utf8, bool* replaced) {
  std::string out;
  while (!utf8.empty()) {
    const text::Decoded d = text::DecodeFirst(utf8);
    utf8.remove_prefix(d.length);
    int byte = d.code_point < 0x100 && CharacterOf(d.code_point & 0xFF) == d.code_point
                   ? static_cast<int>(d.code_point)
                   : -1;
    for (int b = 0x80; b < 0xA0 && byte < 0; ++b)
      if (kHighRow[b - 0x80] == d.code_point) byte = b;
    if (byte < 0 && replaced) *replaced = true;
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

std::string FakeCodePage::Utf8FromAnsi(std::string_view ansi) {
  std::string out;
  for (char c : ansi) text::AppendCodePoint(out, CharacterOf(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace fakes
