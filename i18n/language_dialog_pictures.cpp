#include "i18n/language_dialog_pictures.h"

#include <algorithm>
#include <cmath>

#include "ui/raster.h"

namespace i18n {
namespace {

using platform::Color;
using platform::Rgb;

constexpr Color kWhite = Rgb(250, 250, 250);

// Colour of a flag at (u, v), both from 0 to 1 across the flag's square.
using FlagPattern = Color (*)(double u, double v);

Color Thirds(double at, Color a, Color b, Color c) {
  return at < 1.0 / 3 ? a : at < 2.0 / 3 ? b : c;
}

Color Czech(double u, double v) {
  // The blue wedge reaches from the hoist to the centre.
  if (u < 0.5 - std::fabs(v - 0.5)) return Rgb(17, 69, 126);
  return v < 0.5 ? kWhite : Rgb(215, 20, 26);
}
Color German(double, double v) {
  return Thirds(v, Rgb(20, 20, 20), Rgb(221, 0, 0), Rgb(255, 206, 0));
}
Color British(double u, double v) {
  const double cross = std::min(std::fabs(u - 0.5), std::fabs(v - 0.5));
  if (cross < 0.07) return Rgb(200, 16, 46);
  if (cross < 0.13) return kWhite;
  constexpr double kSqrt2 = 1.41421356;
  const double diagonal = std::min(std::fabs(u - v), std::fabs(u + v - 1)) / kSqrt2;
  if (diagonal < 0.03) return Rgb(200, 16, 46);
  if (diagonal < 0.08) return kWhite;
  return Rgb(1, 33, 105);
}
Color Spanish(double, double v) {
  return v < 0.25 || v >= 0.75 ? Rgb(170, 21, 27) : Rgb(241, 191, 0);
}
Color French(double u, double) {
  return Thirds(u, Rgb(0, 35, 149), kWhite, Rgb(237, 41, 57));
}
Color Italian(double u, double) {
  return Thirds(u, Rgb(0, 140, 69), kWhite, Rgb(205, 33, 42));
}
Color Russian(double, double v) {
  return Thirds(v, kWhite, Rgb(0, 57, 166), Rgb(213, 43, 30));
}

FlagPattern PatternOf(Flag flag) {
  switch (flag) {
    case Flag::kCzech:
      return Czech;
    case Flag::kGerman:
      return German;
    case Flag::kSpanish:
      return Spanish;
    case Flag::kFrench:
      return French;
    case Flag::kItalian:
      return Italian;
    case Flag::kRussian:
      return Russian;
    case Flag::kBritish:
      break;
  }
  return British;
}

}  // namespace

ui::Picture FlagPicture(Flag flag, int size) {
  ui::Raster r(size, size, kFlagKey);
  const FlagPattern pattern = PatternOf(flag);
  const double radius = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / size, v = (y + 0.5) / size;
      const double dx = x + 0.5 - radius, dy = y + 0.5 - radius;
      const double from_centre = dx * dx + dy * dy;  // squared, as every distance here
      if (from_centre > radius * radius) continue;
      Color c = pattern(u, v);
      // A darker rim gives the disc its edge; the upper left catches a little light.
      const double lx = x + 0.5 - radius * 0.7, ly = y + 0.5 - radius * 0.7;
      if (from_centre > (radius - 1.2) * (radius - 1.2))
        c = ui::Blend(c, Rgb(40, 40, 40), 2, 3);
      else if (lx * lx + ly * ly < radius * radius * 0.09)
        c = ui::Blend(c, Rgb(255, 255, 255), 1, 4);
      r.Set(x, y, c);
    }
  }
  return r.Take();
}

ui::Picture OkGlyph() {
  ui::Raster r(16, 16, kFlagKey);
  const Color green = Rgb(0, 128, 0), light = Rgb(64, 192, 64);
  for (int d = 0; d < 3; ++d) {
    r.Line(2, 8 + d, 6, 12 + d, d == 0 ? light : green);
    r.Line(6, 12 + d, 13, 3 + d, d == 0 ? light : green);
  }
  return r.Take();
}

ui::Picture CancelGlyph() {
  ui::Raster r(16, 16, kFlagKey);
  const Color red = Rgb(192, 0, 0), light = Rgb(240, 80, 64);
  for (int d = 0; d < 3; ++d) {
    r.Line(2 + d, 3, 11 + d, 12, d == 1 ? light : red);
    r.Line(13 - d, 3, 4 - d, 12, d == 1 ? light : red);
  }
  return r.Take();
}

ui::Picture LanguageDialogTile() {
  // A woven khaki a shade darker than the button panel, so the panel stands on it.
  ui::Raster r(8, 8, Rgb(184, 174, 118));
  for (int i = 0; i < 8; ++i) {
    r.Set(i, i, Rgb(168, 158, 104));
    r.Set(i, 7 - i, Rgb(198, 190, 138));
  }
  return r.Take();
}

}  // namespace i18n
