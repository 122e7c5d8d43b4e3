#include "ui/raster.h"

#include <cstdlib>

namespace ui {

platform::Color Blend(platform::Color a, platform::Color b, int step, int steps) {
  if (steps <= 0) return a;
  auto mix = [&](int ca, int cb) { return ca + (cb - ca) * step / steps; };
  return platform::Rgb(mix(platform::RedOf(a), platform::RedOf(b)),
                       mix(platform::GreenOf(a), platform::GreenOf(b)),
                       mix(platform::BlueOf(a), platform::BlueOf(b)));
}

Raster::Raster(int width, int height, platform::Color fill) {
  picture_.width = width;
  picture_.height = height;
  picture_.pixels.assign(static_cast<std::size_t>(width * height), fill);
}

void Raster::Set(int x, int y, platform::Color color) {
  if (x < 0 || y < 0 || x >= picture_.width || y >= picture_.height) return;
  picture_.pixels[static_cast<std::size_t>(y * picture_.width + x)] = color;
}

void Raster::Fill(int left, int top, int right, int bottom, platform::Color color) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Set(x, y, color);
}

void Raster::Line(int x0, int y0, int x1, int y1, platform::Color color) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, color);
    if (x0 == x1 && y0 == y1) break;
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
}

void Raster::Circle(int cx, int cy, int radius, platform::Color color, bool filled) {
  const int outer = radius * radius + radius;
  const int inner = (radius - 1) * (radius - 1) + (radius - 1);
  for (int y = -radius; y <= radius; ++y)
    for (int x = -radius; x <= radius; ++x) {
      const int d = x * x + y * y;
      if (d <= outer && (filled || d > inner)) Set(cx + x, cy + y, color);
    }
}

void Raster::VerticalGradient(platform::Color top, platform::Color bottom) {
  for (int y = 0; y < picture_.height; ++y)
    Fill(0, y, picture_.width, y + 1, Blend(top, bottom, y, picture_.height - 1));
}

}  // namespace ui
