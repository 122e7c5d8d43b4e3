#pragma once
#include <cstdint>
#include <string>

#include "platform/color.h"

namespace platform {

enum FontStyle : std::uint8_t {
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};

// A font as the forms describe it: face, size in points, colour and style bits.
struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;
  Color color = clWindowText;
  std::uint8_t style = 0;
  int orientation = 0;  // tenths of a degree, for rotated text

  bool Has(FontStyle s) const { return (style & s) != 0; }
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace platform
