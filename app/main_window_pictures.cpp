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

}  // namespace app
