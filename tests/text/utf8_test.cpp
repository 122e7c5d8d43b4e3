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
    std::size_t cut_end = 0;  // bytes of a sequence the end cut short
  } cases[] = {
      {"latin-1", "café", U"café"},
      {"cyrillic", "При", U"При"},
      {"cjk", "日本", U"日本"},
      {"emoji", "a😀", U"a😀"},
      {"stray continuation", "\x80Z\xBF", {kBad, U'Z', kBad}},
      {"overlong", "\xC0\xAF\xE0\x80\xAF", {kBad, kBad, kBad, kBad, kBad}},
      {"surrogate", "\xED\xA0\x80", {kBad, kBad, kBad}},
      {"past U+10FFFF", "\xF4\x90\x80\x80\xFF", {kBad, kBad, kBad, kBad, kBad}},
      {"interrupted", "\xE6\x97Z\xF0\x9F\x98 ", {kBad, U'Z', kBad, U' '}},
      {"cut at the end", "ab\xF0\x9F\x98", {U'a', U'b', kBad}, 3},
      {"lead alone at the end", "П\xD0", {U'П', kBad}, 1},
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
    EXPECT_EQ(text::WithoutCutEnd(bytes), bytes.substr(0, bytes.size() - c.cut_end));
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
  for (char32_t invalid : {U'\xD800', U'\x110000'}) text::AppendCodePoint(out, invalid);
  EXPECT_EQ(out, "\uFFFD\uFFFD");
}

}  // namespace
