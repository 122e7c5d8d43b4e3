#include "controls/markup/render.h"

#include <algorithm>
#include <array>

#include "controls/markup/line.h"
#include "controls/markup/text.h"

namespace controls::markup {

namespace {

struct Entity {
  std::string_view name;
  std::string_view text;
};

// "&amp;" becomes "&&", which DrawText shows as one "&".
constexpr std::array<Entity, 9> kEntities = {{
    {"&amp;", "&&"},
    {"&quot;", "\""},
    {"&sect;", "\xC2\xA7"},
    {"&permil;", "\xE2\x80\xB0"},
    {"&reg;", "\xC2\xAE"},
    {"&copy;", "\xC2\xA9"},
    {"&para;", "\xC2\xB6"},
    {"&trade;", "\xE2\x84\xA2"},
    {"&euro;", "\xE2\x82\xAC"},
}};

// Replaces the entities until none is left, in one pass: a replacement can only complete a new
// entity at the end of what has been written so far, and every entity ends in ";", so the
// written text is checked each time a ";" arrives. The result is the same as replacing them
// over and over, without the quadratic cost on long texts.
std::string ReplaceEntities(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c != ';') continue;
    for (const Entity& entity : kEntities) {
      if (out.size() >= entity.name.size() && std::string_view(out).ends_with(entity.name)) {
        out.resize(out.size() - entity.name.size());
        out += entity.text;
        break;
      }
    }
  }
  return out;
}

}  // namespace

std::string PrepareText(std::string text) {
  if (text.find('&') != std::string::npos) text = ReplaceEntities(text);
  if (const std::size_t hash = text.find("<#"); hash != std::string::npos) {
    text.erase(hash, 1);
    if (const std::size_t close = text.find('>', hash); close != std::string::npos)
      text.erase(close, 1);
  }
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r')
      out += "<BR>";
    else if (c != '\n')
      out += c;
  }
  return out;
}

Result Render(platform::Canvas& canvas, const std::string& text, const platform::Rect& rect,
              const Options& options) {
  Result result;
  const platform::Font base = canvas.GetFont();
  const platform::BkMode bk_mode = canvas.GetBkMode();
  const platform::Color bk_color = canvas.GetBkColor();
  canvas.SetBkMode(platform::BkMode::kTransparent);

  const std::string prepared = PrepareText(text);
  const platform::Rect work{rect.left + 1, rect.top, rect.right, rect.bottom};
  const int width = work.Width();
  Style style = Style::FromFont(base);
  std::string_view rest = prepared;
  int y = work.top;
  int total = 0;
  while (!rest.empty()) {
    const Style line_start = style;
    LineContext measure{canvas, options, Mode::kMeasure, base, work, result};
    const Line line = RenderLine(measure, rest, {work.left, y, work.right, y}, width, style);

    int left = work.left;
    if (style.align == ParagraphAlign::kRight)
      left = std::max(left, work.right - line.width);
    else if (style.align == ParagraphAlign::kCenter && work.Width() - line.width > 0)
      left += (work.Width() - line.width) / 2;
    left = Saturate(static_cast<long long>(left) + style.indent);
    const int height =
        Saturate(static_cast<long long>(line.height) + line.sub_extra + line.sup_extra);
    const platform::Rect box{left, y, work.right, Saturate(static_cast<long long>(y) + height)};

    // Both passes start from the same style; the drawing pass's end style carries over, so
    // that tags acting only while drawing (closing a font's colour) reach the next line.
    const std::size_t consumed = line.consumed > 0 ? line.consumed : rest.size();
    if (options.mode != Mode::kMeasure) {
      style = line_start;
      LineContext pass{canvas, options, options.mode, base, work, result, line.sub_extra};
      RenderLine(pass, rest.substr(0, consumed), box, width, style);
    }
    rest.remove_prefix(consumed);
    y = box.bottom;
    total = Saturate(static_cast<long long>(total) + height);
    if (options.mode != Mode::kMeasure && y > work.bottom) break;
  }
  canvas.SetFont(base);
  if (total == 0) total = canvas.TextHeight("gh");
  canvas.SetBkMode(bk_mode);
  canvas.SetBkColor(bk_color);
  result.height = total;
  return result;
}

}  // namespace controls::markup
