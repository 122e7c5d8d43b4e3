#include "app/main_window_pictures.h"

#include "ui/raster.h"

namespace app {
namespace {

constexpr platform::Color kKey = kPictureKey;
constexpr int kGlyph = 16;

void DrawGlyph(ui::Raster& r, ButtonGlyph glyph, platform::Color ink, platform::Color accent) {
  switch (glyph) {
    case ButtonGlyph::kReport:  // a page with lines of text
      r.Fill(3, 1, 13, 15, platform::clWhite);
      r.Line(3, 1, 12, 1, ink), r.Line(3, 14, 12, 14, ink);
      r.Line(3, 1, 3, 14, ink), r.Line(12, 1, 12, 14, ink);
      for (int y = 4; y <= 11; y += 2) r.Line(5, y, 10, y, accent);
      break;
    case ButtonGlyph::kRefresh:  // a ring with an arrow head
      r.Circle(8, 8, 5, accent, false);
      r.Fill(10, 1, 15, 6, kKey);
      r.Line(10, 2, 13, 2, ink), r.Line(13, 2, 13, 5, ink);
      break;
    case ButtonGlyph::kAbout:  // "i" in a disc
      r.Circle(8, 8, 6, accent, true);
      r.Fill(7, 4, 9, 6, platform::clWhite);
      r.Fill(7, 7, 9, 12, platform::clWhite);
      break;
    case ButtonGlyph::kLanguage:  // a globe
      r.Circle(8, 8, 6, accent, true);
      r.Circle(8, 8, 6, ink, false);
      r.Line(2, 8, 14, 8, ink), r.Line(8, 2, 8, 14, ink);
      r.Line(5, 4, 5, 12, ink), r.Line(11, 4, 11, 12, ink);
      break;
    case ButtonGlyph::kMinimize:  // a bar at the bottom of a window
      r.Line(2, 2, 13, 2, ink), r.Line(2, 13, 13, 13, ink);
      r.Line(2, 2, 2, 13, ink), r.Line(13, 2, 13, 13, ink);
      r.Fill(4, 9, 12, 12, accent);
      break;
    case ButtonGlyph::kClose:  // a cross
      for (int d = 0; d < 2; ++d) {
        r.Line(3 + d, 3, 12 + d, 12, accent);
        r.Line(12 + d, 3, 3 + d, 12, accent);
      }
      break;
  }
}

}  // namespace

ui::Picture ButtonPicture(ButtonGlyph glyph, bool hover) {
  ui::Raster r(kGlyph, kGlyph, kKey);
  const platform::Color ink = hover ? platform::Rgb(32, 32, 96) : platform::Rgb(96, 96, 112);
  const platform::Color accent = hover ? platform::Rgb(255, 200, 40) : platform::Rgb(176, 184, 200);
  DrawGlyph(r, glyph, ink, accent);
  return r.Take();
}

ui::Picture FixedIconPicture(int index) {
  ui::Raster r(kGlyph, kGlyph, kKey);
  const platform::Color ink = platform::Rgb(40, 48, 104);
  switch (index) {
    case 0:  // a chip with pins: a running program
      r.Fill(4, 4, 12, 12, platform::Rgb(112, 133, 190));
      r.Line(4, 4, 11, 4, ink), r.Line(4, 11, 11, 11, ink);
      r.Line(4, 4, 4, 11, ink), r.Line(11, 4, 11, 11, ink);
      for (int p = 5; p <= 10; p += 2) {
        r.Line(p, 1, p, 3, ink), r.Line(p, 12, p, 14, ink);
        r.Line(1, p, 3, p, ink), r.Line(12, p, 14, p, ink);
      }
      break;
    case 1:  // a window with a title bar
      r.Fill(1, 2, 15, 14, platform::clWhite);
      r.Fill(1, 2, 15, 5, platform::Rgb(64, 0, 128));
      r.Line(1, 2, 14, 2, ink), r.Line(1, 13, 14, 13, ink);
      r.Line(1, 2, 1, 13, ink), r.Line(14, 2, 14, 13, ink);
      break;
    default:  // an arrow pointing at a detail
      for (int i = 0; i < 5; ++i) r.Line(5 + i, 3 + i, 5 + i, 12 - i, platform::Rgb(64, 0, 128));
      break;
  }
  return r.Take();
}

ui::Picture TopBarTile() {
  ui::Raster r(8, 25, 0);
  r.VerticalGradient(platform::Rgb(96, 112, 168), platform::Rgb(40, 48, 104));
  return r.Take();
}

ui::Picture WindowBackgroundTile() {
  // A faint diagonal weave in the blue-grey of the central panel's frame.
  ui::Raster r(8, 8, platform::Rgb(160, 176, 204));
  for (int i = 0; i < 8; ++i) r.Set(i, i, platform::Rgb(150, 166, 196));
  return r.Take();
}

ui::Picture NodeGlyph(bool expanded) {
  // A bevelled button with rounded corners and a navy sign. The corners keep the key colour,
  // which takes the header's colour: the list treats the top-left pixel's colour as
  // transparent, so the border must not start there.
  ui::Raster r(10, 10, kKey);
  r.Fill(1, 1, 9, 9, platform::Rgb(240, 240, 248));
  r.Line(1, 0, 8, 0, platform::Rgb(112, 133, 190)),
      r.Line(0, 1, 0, 8, platform::Rgb(112, 133, 190));
  r.Line(1, 9, 8, 9, platform::Rgb(40, 48, 104)), r.Line(9, 1, 9, 8, platform::Rgb(40, 48, 104));
  r.Line(2, 4, 7, 4, platform::clNavy), r.Line(2, 5, 7, 5, platform::clNavy);
  if (!expanded) r.Line(4, 2, 4, 7, platform::clNavy), r.Line(5, 2, 5, 7, platform::clNavy);
  return r.Take();
}

namespace {

// A pale paper with a faint diagonal thread, in the list's own tint.
ui::Picture Wallpaper(int width, int height, platform::Color paper, platform::Color thread) {
  ui::Raster r(width, height, paper);
  for (int x = 0; x < width; ++x) r.Set(x, (x * height / width + height / 2) % height, thread);
  return r.Take();
}

}  // namespace

ui::Picture LeftListWallpaper() {
  return Wallpaper(36, 44, platform::Rgb(255, 255, 231), platform::Rgb(245, 240, 214));
}

ui::Picture DetailListWallpaper() {
  return Wallpaper(30, 32, platform::Rgb(250, 250, 252), platform::Rgb(236, 238, 246));
}

ui::Picture SectionImagePicture(int index) {
  ui::Raster r(kGlyph, kGlyph, kKey);
  const platform::Color ink = platform::Rgb(40, 48, 104);
  if (index == 0) {  // two overlapping windows: the applications
    for (int o = 0; o <= 4; o += 4) {
      r.Fill(1 + o, 1 + o, 11 + o, 11 + o, platform::clWhite);
      r.Fill(1 + o, 1 + o, 11 + o, 4 + o, platform::Rgb(64, 0, 128));
      r.Line(1 + o, 1 + o, 10 + o, 1 + o, ink), r.Line(1 + o, 10 + o, 10 + o, 10 + o, ink);
      r.Line(1 + o, 1 + o, 1 + o, 10 + o, ink), r.Line(10 + o, 1 + o, 10 + o, 10 + o, ink);
    }
  } else {  // gears: the processes
    r.Circle(8, 8, 6, platform::Rgb(112, 133, 190), true);
    r.Circle(8, 8, 6, ink, false);
    r.Circle(8, 8, 2, platform::clWhite, true);
    for (int d = -1; d <= 1; d += 2) r.Line(8, 8 + 7 * d, 8, 8 + 5 * d, ink);
  }
  return r.Take();
}

}  // namespace app
