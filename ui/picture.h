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
  platform::Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A canvas bitmap holding `picture`, for drawing or tiling.
std::unique_ptr<platform::Bitmap> ToBitmap(platform::Canvas& canvas, const Picture& picture);
// Draws `picture` at (x, y); pixels of the colour of its top-left pixel are left out.
void DrawTransparent(platform::Canvas& canvas, const Picture& picture, int x, int y);

}  // namespace ui
