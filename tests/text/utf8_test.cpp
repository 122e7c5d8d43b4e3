// The UTF-8 helpers on one table of texts: Latin-1, Cyrillic, CJK, a four-byte emoji and broken
// sequences of every kind.
#include "text/utf8.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr char32_t kBad = text::kReplacementCharacter;

TEST(Utf8, DecodesCountsAndCutsAtCharacterStarts) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u32string characters;
    std::string without_cut_end;
  } cases[] = {
      {"latin-1", "caf\xC3\xA9", U"caf\u00E9", "caf\xC3\xA9"},
      {"cyrillic", "\xD0\x9F\xD1\x80\xD0\xB8", U"\u041F\u0440\u0438", "\xD0\x9F\xD1\x80\xD0\xB8"},
      {"cjk", "\xE6\x97\xA5\xE6\x9C\xAC", U"\u65E5\u672C", "\xE6\x97\xA5\xE6\x9C\xAC"},
      {"emoji", "a\xF0\x9F\x98\x80", U"a\U0001F600", "a\xF0\x9F\x98\x80"},
      {"stray continuation",
       "\x80"
       "a\xBF",
       {kBad, U'a', kBad},
       "\x80"
       "a\xBF"},
      {"overlong", "\xC0\xAF\xE0\x80\xAF", {kBad, kBad, kBad, kBad, kBad}, "\xC0\xAF\xE0\x80\xAF"},
      {"surrogate", "\xED\xA0\x80", {kBad, kBad, kBad}, "\xED\xA0\x80"},
      {"past U+10FFFF",
       "\xF4\x90\x80\x80\xFF",
       {kBad, kBad, kBad, kBad, kBad},
       "\xF4\x90\x80\x80\xFF"},
      {"interrupted",
       "\xE6\x97"
       "a\xF0\x9F\x98 ",
       {kBad, U'a', kBad, U' '},
       "\xE6\x97"
       "a\xF0\x9F\x98 "},
      {"cut at the end", "ab\xF0\x9F\x98", {U'a', U'b', kBad}, "ab"},
      {"lead alone at the end", "\xD0\x9F\xD0", {U'\u041F', kBad}, "\xD0\x9F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string_view bytes = c.bytes;
    std::u32string decoded;
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < bytes.size();) {
      starts.push_back(at);
      const text::Decoded d = text::DecodeFirst(bytes.substr(at));
      ASSERT_GT(d.length, 0u);
      decoded += d.code_point;
      at += d.length;
    }
    EXPECT_EQ(decoded, c.characters);
    EXPECT_EQ(text::CharacterCount(bytes), c.characters.size());
    EXPECT_EQ(text::WithoutCutEnd(bytes), c.without_cut_end);
    for (std::size_t n = 0; n <= starts.size() + 1; ++n) {
      const std::size_t end = n < starts.size() ? starts[n] : bytes.size();
      EXPECT_EQ(text::FirstCharacters(bytes, n), bytes.substr(0, end)) << n;
    }
    // Every byte belongs to the character whose start is the last one at or before it.
    for (std::size_t offset = 0, k = 0; offset < bytes.size(); ++offset) {
      if (k + 1 < starts.size() && starts[k + 1] <= offset) ++k;
      EXPECT_EQ(text::CharacterStart(bytes, offset), starts[k]) << offset;
    }
    if (c.characters.find(kBad) == std::u32string::npos) {
      std::string encoded;
      for (char32_t code_point : c.characters) text::AppendCodePoint(encoded, code_point);
      EXPECT_EQ(encoded, c.bytes);
    }
  }
  std::string out;
  for (char32_t invalid : {char32_t{0xD800}, char32_t{0x110000}})
    text::AppendCodePoint(out, invalid);
  EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
