#pragma once
// The caption markup: a small HTML-like tag language for list captions. Render lays a
// text out in a rectangle and measures it, draws it, or finds the anchor under a point.
#include <string>
#include <string_view>

#include "controls/markup/pictures.h"
#include "platform/canvas.h"
#include "platform/image_list.h"
#include "platform/shell_icons.h"

namespace controls::markup {

enum class Mode { kMeasure, kDraw, kHitTest };

struct Options {
  Mode mode = Mode::kDraw;
  platform::Point hit;                          // the point tested in kHitTest
  const platform::ImageList* images = nullptr;  // "idx:" images
  const PictureContainer* pictures = nullptr;   // sources without ":"
  PictureCache* cache = nullptr;                // "://" sources
  platform::ShellIcons* shell = nullptr;        // "SSYS:" and "LSYS:" sources
  bool word_wrap = false;
  bool selected = false;  // a selected row keeps the canvas font colour throughout
  platform::Color shadow_color = 0x808080;
  platform::Color anchor_color = 0xFF0000;
  double picture_scale = 1.0;
};

struct Result {
  int height = 0;
  bool anchor_hit = false;
  std::string anchor;      // target of the anchor hit
  std::string plain_text;  // the text runs, a CR for each line break
};

// Lays out `text` in `rect` on `canvas`, whose current font is the base font. The canvas font
// and text background are restored before returning.
Result Render(platform::Canvas& canvas, const std::string& text, const platform::Rect& rect,
              const Options& options);

// Entity replacement, the "<#" rule and line breaks, applied once before layout.
std::string PrepareText(std::string text);

}  // namespace controls::markup
