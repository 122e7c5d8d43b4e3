#include "tests/fakes/recording_canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "text/utf8.h"

namespace fakes {

namespace {

constexpr int kDefaultTab = 8 * kCharWidth;

std::string RectText(const platform::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string FontText(const platform::Font& f) {
  std::string s = f.name + "/" + std::to_string(f.size) + "/" + HexColor(f.color) + "/";
  if (f.Has(platform::kFontBold)) s += "B";
  if (f.Has(platform::kFontItalic)) s += "I";
  if (f.Has(platform::kFontUnderline)) s += "U";
  if (f.Has(platform::kFontStrikeOut)) s += "S";
  if (f.orientation != 0) {
    s += '/';
    s += std::to_string(f.orientation);
  }
  return s;
}

// Width of one line as DrawText lays it out.
int LineWidth(const std::string& text, bool prefix, bool expand_tabs) {
  int x = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (prefix && c == '&') {
      if (i + 1 >= text.size()) break;  // a trailing prefix shows nothing
      c = text[++i];                    // "&&" shows one "&", "&x" an underlined x
    }
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;  // within a UTF-8 character
    if (c == '\t' && expand_tabs)
      x = (x / kDefaultTab + 1) * kDefaultTab;
    else
      x += kCharWidth;
  }
  return x;
}

// Splits at line breaks and, with word break, wherever the next word would pass `width`.
std::vector<std::string> BreakLines(const std::string& text, bool word_break, int width,
                                    bool prefix, bool tabs) {
  std::vector<std::string> lines;
  std::string current;
  auto flush = [&] {
    lines.push_back(current);
    current.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      flush();
      continue;
    }
    current += c;
    if (word_break && LineWidth(current, prefix, tabs) > width) {
      std::size_t space = current.find_last_of(' ');
      if (space != std::string::npos && space + 1 < current.size()) {
        std::string rest = current.substr(space + 1);
        current.resize(space);
        flush();
        current = rest;
      }
    }
  }
  flush();
  return lines;
}

platform::Color DefaultSystemColor(int index) {
  switch (index) {
    case 5:   // clWindow
    case 14:  // clHighlightText
    case 20:  // clBtnHighlight
      return 0xFFFFFF;
    case 13:
      return 0x800000;  // clHighlight
    case 15:
      return 0xC0C0C0;  // clBtnFace
    case 16:
      return 0x808080;  // clBtnShadow
    case 24:
      return 0xE1FFFF;  // clInfoBk
    default:
      return 0x000000;
  }
}

}  // namespace

std::string HexColor(platform::Color color) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(color));
  return buf;
}

RecordingCanvas::RecordingCanvas(int width, int height) {
  ResizePixels(width, height);
}

void RecordingCanvas::ResizePixels(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, kUnpainted);
}

std::vector<std::string> RecordingCanvas::Calls(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& line : log)
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  return out;
}

int RecordingCanvas::PrefixedWidth(const std::string& text) {
  return LineWidth(text, true, false);
}

void RecordingCanvas::Log(std::string line) {
  if (!quiet_) log.push_back(std::move(line));
}

void RecordingCanvas::SetFont(const platform::Font& font) {
  font_ = font;
  Log("SetFont " + FontText(font));
}
void RecordingCanvas::SetPenColor(platform::Color color) {
  pen_ = color;
}
void RecordingCanvas::SetBrushColor(platform::Color color) {
  brush_ = color;
}
void RecordingCanvas::SetBkMode(platform::BkMode mode) {
  bk_mode_ = mode;
}
void RecordingCanvas::SetBkColor(platform::Color color) {
  bk_color_ = color;
}

platform::Color RecordingCanvas::ResolveColor(platform::Color color) const {
  if (!platform::IsSystemColor(color)) return color;
  const int index = platform::SystemColorIndex(color);
  auto it = system_colors.find(index);
  return it != system_colors.end() ? it->second : DefaultSystemColor(index);
}

platform::Size RecordingCanvas::TextExtent(const std::string& text) {
  return {LineWidth(text, false, false), LineHeightOf(font_)};
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
  const platform::Size size = TextExtent(text);
  platform::Rect r{x, y, x + size.cx, y + size.cy};
  texts.push_back({text, r, 0, font_, bk_mode_, bk_color_});
  Log("TextOut \"" + text + "\" " + std::to_string(x) + "," + std::to_string(y));
}

int RecordingCanvas::DrawText(const std::string& text, platform::Rect& rect, std::uint32_t flags) {
  const bool prefix = (flags & platform::kDtNoPrefix) == 0;
  const bool tabs = (flags & platform::kDtExpandTabs) != 0;
  std::vector<std::string> lines;
  if (flags & platform::kDtSingleLine)
    lines.push_back(text);
  else
    lines = BreakLines(text, (flags & platform::kDtWordBreak) != 0, rect.Width(), prefix, tabs);
  int width = 0;
  for (const auto& line : lines) width = std::max(width, LineWidth(line, prefix, tabs));
  const int height = static_cast<int>(lines.size()) * LineHeightOf(font_);
  if (flags & platform::kDtCalcRect) {
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return height;
  }
  texts.push_back({text, rect, flags, font_, bk_mode_, bk_color_});
  char f[16];
  std::snprintf(f, sizeof f, "0x%X", static_cast<unsigned>(flags));
  Log("DrawText \"" + text + "\" " + RectText(rect) + " " + f + " " + FontText(font_));
  return height;
}

platform::Size RecordingCanvas::TabbedTextExtent(const std::string& text,
                                                 const std::vector<int>& stops, int tab_origin) {
  return {TabbedWidth(0, text, stops, tab_origin), LineHeightOf(font_)};
}

int RecordingCanvas::TabbedWidth(int x, const std::string& text, const std::vector<int>& stops,
                                 int tab_origin) const {
  int pos = x;
  std::size_t start = 0;
  bool first = true;
  while (true) {
    std::size_t tab = text.find('\t', start);
    const std::string segment = text.substr(start, tab == std::string::npos ? tab : tab - start);
    const int w = static_cast<int>(text::CharacterCount(segment)) * kCharWidth;
    if (!first) {
      // The next stop right of the pen; right-aligned stops end the segment there.
      auto next = std::find_if(stops.begin(), stops.end(),
                               [&](int s) { return tab_origin + std::abs(s) > pos; });
      if (next == stops.end()) {
        pos = tab_origin + ((pos - tab_origin) / kDefaultTab + 1) * kDefaultTab;
      } else if (*next < 0) {
        pos = std::max(pos, tab_origin - *next - w);
      } else {
        pos = tab_origin + *next;
      }
    }
    pos += w;
    first = false;
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return pos - x;
}

platform::Size RecordingCanvas::TabbedTextOut(int x, int y, const std::string& text,
                                              const std::vector<int>& stops, int tab_origin) {
  const platform::Size size{TabbedWidth(x, text, stops, tab_origin), LineHeightOf(font_)};
  const int pos = x + size.cx;
  texts.push_back({text, {x, y, pos, y + size.cy}, 0, font_, bk_mode_, bk_color_});
  Log("TabbedTextOut \"" + text + "\" " + std::to_string(x) + "," + std::to_string(y));
  return size;
}

void RecordingCanvas::Plot(int x, int y, platform::Color color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  if (!clips_.empty() && !clips_.back().Contains({x, y})) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = ResolveColor(color);
}

void RecordingCanvas::MoveTo(int x, int y) {
  pen_pos_ = {x, y};
  Log("MoveTo " + std::to_string(x) + "," + std::to_string(y));
}

void RecordingCanvas::LineTo(int x, int y) {
  // Bresenham from the pen position, leaving out the end point as GDI does.
  int x0 = pen_pos_.x, y0 = pen_pos_.y;
  const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  while (x0 != x || y0 != y) {
    Plot(x0, y0, pen_);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
  pen_pos_ = {x, y};
  Log("LineTo " + std::to_string(x) + "," + std::to_string(y) + " " + HexColor(pen_));
}

void RecordingCanvas::Rectangle(const platform::Rect& rect) {
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y)
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x) {
      const bool edge =
          x == rect.left || y == rect.top || x == rect.right - 1 || y == rect.bottom - 1;
      Plot(x, y, edge ? pen_ : brush_);
    }
  Log("Rectangle " + RectText(rect) + " " + HexColor(pen_) + " " + HexColor(brush_));
}

void RecordingCanvas::FillRect(const platform::Rect& rect, platform::Color color) {
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y)
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x) Plot(x, y, color);
  Log("FillRect " + RectText(rect) + " " + HexColor(color));
}

void RecordingCanvas::SetPixel(int x, int y, platform::Color color) {
  Plot(x, y, color);
  Log("SetPixel " + std::to_string(x) + "," + std::to_string(y) + " " + HexColor(color));
}

platform::Color RecordingCanvas::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kUnpainted;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void RecordingCanvas::Frame3D(const platform::Rect& rect, platform::Color top_left,
                              platform::Color bottom_right, int width) {
  Log("Frame3D " + RectText(rect) + " " + HexColor(top_left) + " " + HexColor(bottom_right) + " " +
      std::to_string(width));
  const bool was_quiet = quiet_;
  const platform::Color pen = pen_;
  quiet_ = true;
  Canvas::Frame3D(rect, top_left, bottom_right, width);
  pen_ = pen;
  quiet_ = was_quiet;
}

void RecordingCanvas::DrawEdge(const platform::Rect& rect, std::uint32_t edge,
                               std::uint32_t flags) {
  Log("DrawEdge " + RectText(rect) + " " + std::to_string(edge) + " " + std::to_string(flags));
}

void RecordingCanvas::DrawFrameControl(const platform::Rect& rect, std::uint32_t state) {
  char s[16];
  std::snprintf(s, sizeof s, "0x%X", static_cast<unsigned>(state));
  Log("DrawFrameControl " + RectText(rect) + " " + s);
}

void RecordingCanvas::DrawFocusRect(const platform::Rect& rect) {
  Log("DrawFocusRect " + RectText(rect));
}

void RecordingCanvas::PushClip(const platform::Rect& rect) {
  platform::Rect clip = rect;
  if (!clips_.empty()) {
    const platform::Rect& outer = clips_.back();
    clip = {std::max(clip.left, outer.left), std::max(clip.top, outer.top),
            std::min(clip.right, outer.right), std::min(clip.bottom, outer.bottom)};
  }
  clips_.push_back(clip);
  Log("PushClip " + RectText(rect));
}

void RecordingCanvas::PopClip() {
  if (!clips_.empty()) clips_.pop_back();
  Log("PopClip");
}

void RecordingCanvas::DrawImage(const platform::ImageList&, int index, int x, int y, bool enabled) {
  Log("DrawImage " + std::to_string(index) + " " + std::to_string(x) + "," + std::to_string(y) +
      (enabled ? "" : " disabled"));
}

std::unique_ptr<platform::Bitmap> RecordingCanvas::CreateBitmap(int width, int height) {
  Log("CreateBitmap " + std::to_string(width) + "x" + std::to_string(height));
  auto bitmap = std::make_unique<FakeBitmap>(width, height);
  created.push_back(bitmap.get());
  return bitmap;
}

void RecordingCanvas::Blit(int x, int y, platform::Bitmap& bitmap, bool replace,
                           platform::Color from, platform::Color to) {
  auto* fake = dynamic_cast<FakeBitmap*>(&bitmap);
  if (!fake) return;
  const platform::Color from_rgb = ResolveColor(from);
  for (int by = 0; by < bitmap.Height(); ++by)
    for (int bx = 0; bx < bitmap.Width(); ++bx) {
      platform::Color c = fake->Recorder().GetPixel(bx, by);
      if (c == kUnpainted) continue;
      if (replace && c == from_rgb) {
        if (to == platform::clNone) continue;
        c = ResolveColor(to);
      }
      Plot(x + bx, y + by, c);
    }
}

void RecordingCanvas::Draw(int x, int y, platform::Bitmap& bitmap) {
  Blit(x, y, bitmap, false, 0, 0);
  Log("Draw " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(bitmap.Width()) +
      "x" + std::to_string(bitmap.Height()));
}

void RecordingCanvas::StretchDraw(const platform::Rect& dest, platform::Bitmap& bitmap) {
  auto* fake = dynamic_cast<FakeBitmap*>(&bitmap);
  if (fake && dest.Width() > 0 && dest.Height() > 0) {
    // Only the part of the destination that lands in the buffer is worked out.
    for (int y = std::max(0, -dest.top); y < std::min(dest.Height(), height_ - dest.top); ++y)
      for (int x = std::max(0, -dest.left); x < std::min(dest.Width(), width_ - dest.left); ++x) {
        const platform::Color c = fake->Recorder().GetPixel(x * bitmap.Width() / dest.Width(),
                                                            y * bitmap.Height() / dest.Height());
        if (c != kUnpainted) Plot(dest.left + x, dest.top + y, c);
      }
  }
  Log("StretchDraw " + RectText(dest) + " " + std::to_string(bitmap.Width()) + "x" +
      std::to_string(bitmap.Height()));
}

void RecordingCanvas::DrawTransparent(int x, int y, platform::Bitmap& bitmap,
                                      platform::Color transparent) {
  Blit(x, y, bitmap, true, transparent, platform::clNone);
  Log("DrawTransparent " + std::to_string(x) + "," + std::to_string(y) + " " +
      HexColor(transparent));
}

void RecordingCanvas::DrawReplacingColor(int x, int y, platform::Bitmap& bitmap,
                                         platform::Color from, platform::Color to) {
  Blit(x, y, bitmap, true, from, to);
  Log("DrawReplacingColor " + std::to_string(x) + "," + std::to_string(y) + " " + HexColor(from) +
      "->" + HexColor(to));
}

}  // namespace fakes
