#pragma once
// One line of a markup text, laid out (and drawn or hit) by RenderLine; Render calls it twice a
// line, to measure and then to draw or hit.
#include <cstddef>
#include <string_view>

#include "controls/markup/render.h"
#include "controls/markup/style.h"

namespace controls::markup {

// What one call of RenderLine shares with the rest of the text.
struct LineContext {
  platform::Canvas& canvas;
  const Options& options;
  Mode mode;  // this pass: kMeasure for the first pass of every line
  platform::Font base_font;
  platform::Rect rect;  // the working rectangle (the given one, its left moved 1 pixel right)
  Result& result;
  int sub_extra = 0;  // the subscript extra of the line, known from its measure pass
};

struct Line {
  std::size_t consumed = 0;  // bytes of the text used by this line
  int width = 0;
  int height = 0;
  int sub_extra = 0;
  int sup_extra = 0;
};

// Lays out (and in draw mode draws) one line of `text` in `box`, deciding fits by
// `layout_width`, starting from and updating `style`.
Line RenderLine(LineContext& context, std::string_view text, const platform::Rect& box,
                int layout_width, Style& style);

}  // namespace controls::markup
