#pragma once
// The running style of a markup text while it is laid out. It starts from the base font and
// carries over from line to line; closing tags restore parts of the base font, nothing nests.
#include <cstdint>
#include <string>

#include "platform/color.h"
#include "platform/font.h"

namespace controls::markup {

enum class ParagraphAlign { kLeft, kRight, kCenter };

struct Style {
  std::string font_name;
  int size = 8;
  platform::Color color = platform::clBlack;
  std::uint8_t font_style = 0;                 // platform::FontStyle bits
  int orientation = 0;                         // tenths of a degree
  platform::Color text_bk = platform::clNone;  // clNone: transparent

  bool shadow = false;
  bool subscript = false;
  bool superscript = false;
  bool hidden = false;
  bool error_mark = false;
  bool in_anchor = false;
  int anchor_count = 0;
  std::string anchor_target;
  int list_level = 0;

  ParagraphAlign align = ParagraphAlign::kLeft;
  int indent = 0;
  platform::Color para_bk = platform::clNone;

  // Values the closing tags bring back.
  platform::Color font_bk_before = platform::clNone;
  platform::Color highlight_bk_before = platform::clNone;
  platform::Color highlight_color_before = platform::clBlack;
  int orientation_before = 0;

  static Style FromFont(const platform::Font& font) {
    Style s;
    s.font_name = font.name;
    s.size = font.size;
    s.color = font.color;
    s.font_style = font.style;
    s.orientation = font.orientation;
    return s;
  }
  platform::Font ToFont() const {
    platform::Font f;
    f.name = font_name;
    f.size = size;
    f.color = color;
    f.style = font_style;
    f.orientation = orientation;
    return f;
  }
  void Set(platform::FontStyle bit, bool on) {
    font_style = static_cast<std::uint8_t>(on ? (font_style | bit) : (font_style & ~bit));
  }
};

}  // namespace controls::markup
