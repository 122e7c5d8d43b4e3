#include "about/about_pictures.h"

#include <cmath>

#include "ui/raster.h"

namespace about {
namespace {

using platform::Color;
using platform::Rgb;

constexpr double kPi = 3.14159265358979323846;

// A ring segment from angle `from` to `to` (degrees, clockwise from the left), `width` thick.
void Arc(ui::Raster& r, int cx, int cy, int radius, int width, double from, double to, Color c) {
  for (double a = from; a <= to; a += 0.25) {
    const double rad = a * kPi / 180;
    for (int w = 0; w < width; ++w) {
      const double at = radius - w;
      r.Set(cx - static_cast<int>(std::lround(at * std::cos(rad))),
            cy - static_cast<int>(std::lround(at * std::sin(rad))), c);
    }
  }
}

}  // namespace

ui::Picture LogoPicture() {
  constexpr int kSize = 201;
  ui::Raster r(kSize, kSize, platform::clWhite);
  // Ground: deep blue at the top, fading to white under the name.
  for (int y = 0; y < kSize; ++y) {
    Color c = ui::Blend(Rgb(20, 36, 92), Rgb(78, 120, 192), y, 150);
    if (y > 150) c = ui::Blend(Rgb(78, 120, 192), platform::clWhite, y - 150, kSize - 151);
    r.Fill(0, y, kSize, y + 1, c);
  }
  const int cx = 100, cy = 96;
  // The gauge: a dim track, most of it lit in warm tones, and the needle at the lit end.
  Arc(r, cx, cy, 78, 9, -30, 210, Rgb(40, 60, 120));
  for (int step = 0; step < 160; ++step) {
    const double from = -30 + step;
    Arc(r, cx, cy, 78, 9, from, from + 1,
        ui::Blend(Rgb(80, 200, 120), Rgb(250, 170, 40), step, 160));
  }
  const double needle = (130.0) * kPi / 180;
  for (int d = -1; d <= 1; ++d)
    r.Line(cx + d, cy, cx + d - static_cast<int>(60 * std::cos(needle)),
           cy - static_cast<int>(60 * std::sin(needle)), Rgb(250, 240, 220));
  r.Circle(cx, cy, 7, Rgb(250, 170, 40), true);
  r.Circle(cx, cy, 7, Rgb(250, 240, 220), false);
  // Bars of a process list, each with its own share of the processor.
  const int heights[] = {22, 38, 16, 30, 44, 26, 12};
  for (int i = 0; i < 7; ++i) {
    const int left = 44 + i * 16, bottom = 160;
    for (int y = bottom - heights[i]; y < bottom; ++y)
      r.Fill(left, y, left + 11, y + 1,
             ui::Blend(Rgb(170, 220, 255), Rgb(60, 110, 200), y - (bottom - heights[i]), 44));
    r.Fill(left, bottom - heights[i], left + 11, bottom - heights[i] + 2, platform::clWhite);
  }
  r.Fill(36, 160, 165, 162, Rgb(230, 236, 248));
  return r.Take();
}

ui::Picture CopyrightPicture() {
  ui::Raster r(81, 13, platform::clWhite);
  const Color ink = Rgb(40, 64, 128);
  // The sign: a ring with an open "c" inside.
  r.Circle(6, 6, 6, ink, false);
  for (double a = 45; a <= 315; a += 5) {
    const double rad = a * kPi / 180;
    r.Set(6 + static_cast<int>(std::lround(3 * std::cos(rad))),
          6 - static_cast<int>(std::lround(3 * std::sin(rad))), ink);
  }
  // Three bars rising: the suite's emblem, then a rule to the right edge.
  const Color bars[] = {Rgb(80, 200, 120), Rgb(250, 170, 40), Rgb(78, 120, 192)};
  for (int i = 0; i < 3; ++i) r.Fill(17 + i * 6, 8 - 3 * i, 21 + i * 6, 12, bars[i]);
  for (int x = 37; x < 81; ++x) r.Set(x, 11, ui::Blend(ink, platform::clWhite, x - 37, 44));
  return r.Take();
}

}  // namespace about
