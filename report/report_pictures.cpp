#include "report/report_pictures.h"

#include "ui/raster.h"

namespace report {

namespace {

using platform::Rgb;
constexpr platform::Color kKey = Rgb(255, 0, 255);
constexpr platform::Color kInk = Rgb(40, 40, 40);

}  // namespace

ui::Picture ReportGlyphPicture(ReportGlyph glyph) {
  ui::Raster r(16, 16, kKey);
  switch (glyph) {
    case ReportGlyph::kPrint:  // a sheet over a printer body
      r.Fill(4, 1, 12, 7, Rgb(250, 250, 250));
      r.Fill(1, 7, 15, 13, Rgb(150, 150, 150));
      r.Fill(3, 11, 13, 15, Rgb(250, 250, 250));
      r.Line(5, 3, 10, 3, kInk);
      r.Set(12, 9, Rgb(0, 200, 0));
      break;
    case ReportGlyph::kSend:  // an envelope
      r.Fill(1, 3, 15, 13, Rgb(250, 240, 200));
      r.Line(1, 3, 8, 9, kInk);
      r.Line(14, 3, 8, 9, kInk);
      r.Line(1, 12, 14, 12, kInk);
      break;
    case ReportGlyph::kSave:  // a disk with its label and shutter
      r.Fill(1, 1, 15, 15, Rgb(30, 60, 150));
      r.Fill(4, 2, 12, 7, Rgb(250, 250, 250));
      r.Fill(5, 10, 11, 15, Rgb(180, 180, 180));
      break;
    case ReportGlyph::kClose:  // a red cross
      for (int d = 0; d < 2; ++d) {
        r.Line(3 + d, 3, 12 + d, 12, Rgb(192, 0, 0));
        r.Line(12 - d, 3, 3 - d, 12, Rgb(192, 0, 0));
      }
      break;
  }
  return r.Take();
}

ui::Picture MenuPanelTile() {
  ui::Raster r(8, 64, Rgb(255, 128, 0));
  r.VerticalGradient(Rgb(255, 160, 64), Rgb(224, 104, 0));
  return r.Take();
}

}  // namespace report
