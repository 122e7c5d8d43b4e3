#include "tests/fakes/fake_code_page.h"

#include <map>

#include "text/utf8.h"
#include "text/windows_1252.h"

namespace fakes {

std::string FakeCodePage::AnsiFromUtf8(std::string_view utf8, bool* replaced) {
  static const std::map<char32_t, char> kBytes = [] {
    std::map<char32_t, char> bytes;
    for (int b = 0; b < 256; ++b)
      bytes[text::Windows1252Character(static_cast<std::uint8_t>(b))] = static_cast<char>(b);
    return bytes;
  }();
  std::string out;
  while (!utf8.empty()) {
    const text::Decoded d = text::DecodeFirst(utf8);
    utf8.remove_prefix(d.length);
    const auto found = kBytes.find(d.code_point);
    if (found == kBytes.end() && replaced) *replaced = true;
    out += found == kBytes.end() ? '?' : found->second;
  }
  return out;
}

std::string FakeCodePage::Utf8FromAnsi(std::string_view ansi) {
  std::string out;
  for (char c : ansi)
    text::AppendCodePoint(out, text::Windows1252Character(static_cast<std::uint8_t>(c)));
  return out;
}

}  // namespace fakes
