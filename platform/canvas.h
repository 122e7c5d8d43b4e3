#pragma once
// The drawing interface the controls paint through: a device context in Windows terms. Names
// and arguments follow GDI and user32 (DrawText, TabbedTextOut, DrawEdge, DrawFrameControl,
// ...), so each call maps to its Windows counterpart at a glance. Colours may be system
// colours; the canvas resolves them. Coordinates are in pixels, right and bottom exclusive.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas_flags.h"
#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/image_list.h"

namespace platform {

class Canvas {
 public:
  virtual ~Canvas() = default;

  // --- State -------------------------------------------------------------------------------
  // The font for text; its colour is the text colour.
  virtual void SetFont(const Font& font) = 0;
  virtual const Font& GetFont() const = 0;
  virtual void SetPenColor(Color color) = 0;
  virtual Color PenColor() const = 0;
  virtual void SetBrushColor(Color color) = 0;
  virtual Color BrushColor() const = 0;
  // Text background: transparent, or opaque in the background colour.
  virtual void SetBkMode(BkMode mode) = 0;
  virtual BkMode GetBkMode() const = 0;
  virtual void SetBkColor(Color color) = 0;
  virtual Color GetBkColor() const = 0;
  // A system colour (0x80000000 + n) as red-green-blue; other colours come back unchanged.
  virtual Color ResolveColor(Color color) const = 0;
  virtual int PixelsPerInch() const = 0;

  // --- Text --------------------------------------------------------------------------------
  // Size of `text` in the current font, no prefix or tab processing (GetTextExtentPoint32).
  virtual Size TextExtent(const std::string& text) = 0;
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // DrawText: returns the height of the text drawn. With kDtCalcRect nothing is drawn and
  // `rect` receives the extent the text needs.
  virtual int DrawText(const std::string& text, Rect& rect, std::uint32_t flags) = 0;
  // TabbedTextOut: tabs jump to `stops` (a negative stop right-aligns the text before it at
  // |stop|), measured from `tab_origin`; empty stops use the default stops. Returns the extent.
  virtual Size TabbedTextOut(int x, int y, const std::string& text, const std::vector<int>& stops,
                             int tab_origin) = 0;
  // The extent TabbedTextOut would give, drawing nothing (GetTabbedTextExtent).
  virtual Size TabbedTextExtent(const std::string& text, const std::vector<int>& stops,
                                int tab_origin) = 0;

  // --- Lines and shapes --------------------------------------------------------------------
  // MoveTo/LineTo in the pen colour, 1 pixel wide; the end point is not drawn.
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Outline in the pen colour, inside filled with the brush colour.
  virtual void Rectangle(const Rect& rect) = 0;
  virtual void FillRect(const Rect& rect, Color color) = 0;
  virtual void SetPixel(int x, int y, Color color) = 0;
  virtual Color GetPixel(int x, int y) const = 0;
  // A 3-D frame `width` pixels wide: top and left edges in `top_left`, bottom and right ones in
  // `bottom_right`.
  virtual void Frame3D(const Rect& rect, Color top_left, Color bottom_right, int width);
  virtual void DrawEdge(const Rect& rect, std::uint32_t edge, std::uint32_t flags) = 0;
  // A check box or radio button frame: kDfcsButtonCheck/Radio plus state flags.
  virtual void DrawFrameControl(const Rect& rect, std::uint32_t state) = 0;
  virtual void DrawFocusRect(const Rect& rect) = 0;

  // --- Clipping ----------------------------------------------------------------------------
  // Narrows drawing to `rect` (within the clip already in force) until the matching PopClip.
  virtual void PushClip(const Rect& rect) = 0;
  virtual void PopClip() = 0;

  // --- Images and bitmaps ------------------------------------------------------------------
  virtual void DrawImage(const ImageList& list, int index, int x, int y, bool enabled) = 0;
  // A new off-screen bitmap compatible with this canvas; never null.
  virtual std::unique_ptr<Bitmap> CreateBitmap(int width, int height) = 0;
  virtual void Draw(int x, int y, Bitmap& bitmap) = 0;
  virtual void StretchDraw(const Rect& dest, Bitmap& bitmap) = 0;
  // Draws `bitmap` with every pixel of colour `from` painted in `to` instead.
  virtual void DrawReplacingColor(int x, int y, Bitmap& bitmap, Color from, Color to) = 0;
  // Draws `bitmap` leaving out every pixel of colour `transparent`, which shows what is below.
  virtual void DrawTransparent(int x, int y, Bitmap& bitmap, Color transparent) = 0;
  // Tiles `bitmap` over `area` on a grid through `origin`; tiles crossing the area's edges are
  // drawn whole, so callers clip by drawing into a bitmap of the area's size.
  void Tile(const Rect& area, Bitmap& bitmap, Point origin);
};

inline void Canvas::Frame3D(const Rect& rect, Color top_left, Color bottom_right, int width) {
  Rect r{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
  for (int i = 0; i < width; ++i) {
    SetPenColor(top_left);
    MoveTo(r.left, r.bottom);
    LineTo(r.left, r.top);
    LineTo(r.right, r.top);
    SetPenColor(bottom_right);
    LineTo(r.right, r.bottom);
    LineTo(r.left - 1, r.bottom);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
}

inline void Canvas::Tile(const Rect& area, Bitmap& bitmap, Point origin) {
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  if (w <= 0 || h <= 0) return;
  // Start from the tile that covers the area's top-left corner.
  int x0 = origin.x;
  if (x0 > area.left)
    x0 -= ((x0 - area.left + w - 1) / w) * w;
  else
    x0 += ((area.left - x0) / w) * w;
  int y0 = origin.y;
  if (y0 > area.top)
    y0 -= ((y0 - area.top + h - 1) / h) * h;
  else
    y0 += ((area.top - y0) / h) * h;
  for (int y = y0; y < area.bottom; y += h)
    for (int x = x0; x < area.right; x += w) Draw(x, y, bitmap);
}

}  // namespace platform
