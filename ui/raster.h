#pragma once
// Drawing into a Picture's pixels, for the pictures the forms generate.
#include "ui/picture.h"

namespace ui {

class Raster {
 public:
  Raster(int width, int height, platform::Color fill);

  void Set(int x, int y, platform::Color color);
  void Fill(int left, int top, int right, int bottom, platform::Color color);  // exclusive
  void Line(int x0, int y0, int x1, int y1, platform::Color color);            // inclusive
  void Circle(int cx, int cy, int radius, platform::Color color, bool filled);
  // A vertical blend from `top` to `bottom` over the whole picture.
  void VerticalGradient(platform::Color top, platform::Color bottom);

  Picture Take() { return std::move(picture_); }

 private:
  Picture picture_;
};

platform::Color Blend(platform::Color a, platform::Color b, int step, int steps);

}  // namespace ui
