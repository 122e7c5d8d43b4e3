#pragma once
// The caption markup: a small HTML-like tag language for list captions. RenderMarkup lays a
// text out in a rectangle and measures it, draws it, or finds the anchor under a point.
#include <cstddef>
#include <string>
#include <string_view>

#include "controls/markup_style.h"
#include "controls/picture_cache.h"
#include "platform/canvas.h"
#include "platform/image_list.h"
#include "platform/shell_icons.h"

namespace controls {

enum class MarkupMode { kMeasure, kDraw, kHitTest };

struct MarkupOptions {
  MarkupMode mode = MarkupMode::kDraw;
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

struct MarkupResult {
  int height = 0;
  bool anchor_hit = false;
  std::string anchor;      // target of the anchor hit
  std::string plain_text;  // the text runs, a CR for each line break
};

// Lays out `text` in `rect` on `canvas`, whose current font is the base font. The canvas font
// and text background are restored before returning.
MarkupResult RenderMarkup(platform::Canvas& canvas, const std::string& text,
                          const platform::Rect& rect, const MarkupOptions& options);

// What one call of RenderMarkupLine shares with the rest of the text.
struct MarkupLineContext {
  platform::Canvas& canvas;
  const MarkupOptions& options;
  MarkupMode mode;  // this pass: kMeasure for the first pass of every line
  platform::Font base_font;
  platform::Rect rect;  // the working rectangle (the given one, its left moved 1 pixel right)
  MarkupResult& result;
  int sub_extra = 0;  // the subscript extra of the line, known from its measure pass
};

struct MarkupLine {
  std::size_t consumed = 0;  // bytes of the text used by this line
  int width = 0;
  int height = 0;
  int sub_extra = 0;
  int sup_extra = 0;
};

// Lays out (and in draw mode draws) one line of `text` in `box`, deciding fits by
// `layout_width`, starting from and updating `style`.
MarkupLine RenderMarkupLine(MarkupLineContext& context, std::string_view text,
                            const platform::Rect& box, int layout_width, MarkupStyle& style);

// Entity replacement, the "<#" rule and line breaks, applied once before layout.
std::string PrepareMarkupText(std::string text);

// A colour name such as "clnavy" (any case); unknown names give black.
platform::Color ColorFromName(std::string_view name);
// "#RRGGBB" as a colour value (red in the low byte).
platform::Color ColorFromHex(std::string_view text);

}  // namespace controls
