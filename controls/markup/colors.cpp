#include "controls/markup/colors.h"

#include <array>
#include <string>
#include <utility>

namespace controls::markup {

namespace {

struct NamedColor {
  std::string_view name;
  platform::Color value;
};

constexpr std::array<NamedColor, 40> kNamedColors = {{
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", 0x80000001},
    {"clactivecaption", 0x80000002},
    {"clinactivecaption", 0x80000003},
    {"clmenu", 0x80000004},
    {"clwindow", 0x80000005},
    {"clwindowframe", 0x80000006},
    {"clmenutext", 0x80000007},
    {"clwindowtext", 0x80000008},
    {"clcaptiontext", 0x80000009},
    {"clactiveborder", 0x8000000A},
    {"clinactiveborder", 0x8000000B},
    {"clappworkspace", 0x8000000C},
    {"clhighlight", 0x8000000D},
    {"clhighlighttext", 0x8000000E},
    {"clbtnface", 0x8000000F},
    {"clbtnshadow", 0x80000010},
    {"clgraytext", 0x80000011},
    {"clbtntext", 0x80000012},
    {"clinactivecaptiontext", 0x80000013},
    {"clbtnhighlight", 0x80000014},
    {"cl3ddkshadow", 0x80000015},
    {"cl3dlight", 0x80000016},
    {"clinfotext", 0x80000017},
    {"clinfobk", 0x80000018},
}};

// Value of one hexadecimal digit the way the markup has always read it: anything below 'A'
// counts from '0', anything else from 'A'.
int DigitValue(unsigned char c) {
  return c < 'A' ? c - '0' : c - 'A' + 10;
}

int PairValue(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size()) return 0;
  return 16 * DigitValue(static_cast<unsigned char>(text[at])) +
         DigitValue(static_cast<unsigned char>(text[at + 1]));
}

}  // namespace

platform::Color ColorFromName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (const NamedColor& named : kNamedColors)
    if (named.name == lower) return named.value;
  return platform::clBlack;
}

platform::Color ColorFromHex(std::string_view text) {
  const int red = PairValue(text, 1);
  const int green = PairValue(text, 3);
  const int blue = PairValue(text, 5);
  return static_cast<platform::Color>(red + 256 * green + 65536 * blue);
}

}  // namespace controls::markup
