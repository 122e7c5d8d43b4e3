#pragma once
// A small design-time picture (button glyphs, tiles, wallpapers) held as pixels, so the forms
// can carry their images without any resource file. Drawn through a canvas bitmap.
#include <vector>

#include "platform/canvas.h"

namespace ui {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<platform::Color> pixels;  // row by row, red-green-blue

  bool Empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Picture&) const = default;
  platform::Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A canvas bitmap holding `picture`, for drawing or tiling.
std::unique_ptr<platform::Bitmap> ToBitmap(platform::Canvas& canvas, const Picture& picture);
// A canvas bitmap of `picture` repeated in whole tiles over at least kTileSpan pixels each way:
// tiling a window with it takes a few copies instead of thousands.
constexpr int kTileSpan = 128;
std::unique_ptr<platform::Bitmap> ToTileBitmap(platform::Canvas& canvas, const Picture& picture);
// The colour left out when a picture is drawn transparently: that of its top-left pixel.
platform::Color TransparentColor(const Picture& picture);

}  // namespace ui
