// The GDI canvas against real GDI: drawing into 32-bit memory bitmaps and reading pixels back.
#include "platform/win32/gdi_canvas.h"

#include <gtest/gtest.h>

#include "controls/gauge_bar.h"
#include "controls/markup/render.h"

namespace {

using platform::win32::GdiBitmap;

constexpr platform::Color kWhite = 0xFFFFFF;

struct Surface {
  GdiBitmap bitmap;
  platform::Canvas& canvas;
  Surface(int w, int h) : bitmap(w, h), canvas(bitmap.GetCanvas()) {
    canvas.FillRect({0, 0, w, h}, kWhite);
  }
};

TEST(GdiCanvas, FillRectAndLinesLeaveOutTheirRightBottomAndEndPoints) {
  Surface s(40, 30);
  s.canvas.FillRect({10, 10, 20, 20}, platform::clRed);
  EXPECT_EQ(s.canvas.GetPixel(10, 10), platform::clRed);
  EXPECT_EQ(s.canvas.GetPixel(19, 19), platform::clRed);
  EXPECT_EQ(s.canvas.GetPixel(20, 19), kWhite);
  EXPECT_EQ(s.canvas.GetPixel(9, 10), kWhite);

  s.canvas.SetPenColor(platform::clBlue);
  s.canvas.MoveTo(0, 5);
  s.canvas.LineTo(10, 5);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(s.canvas.GetPixel(x, 5), platform::clBlue) << x;
  EXPECT_EQ(s.canvas.GetPixel(10, 5), kWhite);

  s.canvas.Frame3D({20, 0, 30, 10}, kWhite, platform::clGray, 1);
  EXPECT_EQ(s.canvas.GetPixel(29, 9), platform::clGray);
  EXPECT_EQ(s.canvas.GetPixel(20, 0), kWhite);
}

TEST(GdiCanvas, ClipsNestAndComeOff) {
  Surface s(20, 20);
  s.canvas.PushClip({0, 0, 10, 10});
  s.canvas.PushClip({5, 5, 15, 15});
  s.canvas.FillRect({0, 0, 20, 20}, platform::clRed);
  EXPECT_EQ(s.canvas.GetPixel(7, 7), platform::clRed);
  EXPECT_EQ(s.canvas.GetPixel(2, 2), kWhite);
  EXPECT_EQ(s.canvas.GetPixel(12, 12), kWhite);
  s.canvas.PopClip();
  s.canvas.FillRect({0, 0, 20, 20}, platform::clBlue);
  EXPECT_EQ(s.canvas.GetPixel(2, 2), platform::clBlue);
  EXPECT_EQ(s.canvas.GetPixel(12, 12), kWhite);
  s.canvas.PopClip();
  s.canvas.FillRect({0, 0, 20, 20}, platform::clGreen);
  EXPECT_EQ(s.canvas.GetPixel(12, 12), platform::clGreen);
}

TEST(GdiCanvas, SystemColoursResolveThroughThePlatform) {
  Surface s(4, 4);
  const platform::Color face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(s.canvas.ResolveColor(platform::clBtnFace), face);
  EXPECT_EQ(s.canvas.ResolveColor(0x123456), 0x123456u);
  s.canvas.FillRect({0, 0, 4, 4}, platform::clBtnFace);
  EXPECT_EQ(s.canvas.GetPixel(1, 1), face);
}

TEST(GdiCanvas, TextIsMeasuredWithPrefixesAndDrawnInTheFontColour) {
  Surface s(80, 30);
  platform::Font font;
  font.color = platform::clRed;
  s.canvas.SetFont(font);
  const platform::Size gh = s.canvas.TextExtent("gh");
  EXPECT_GT(gh.cy, 8);
  platform::Rect calc{0, 0, 0, 0};
  s.canvas.DrawText("a&&b", calc, platform::kDtSingleLine | platform::kDtCalcRect);
  EXPECT_EQ(calc.Width(), s.canvas.TextWidth("a&b"));
  EXPECT_EQ(calc.Height(), gh.cy);

  platform::Rect box{0, 0, 80, 30};
  s.canvas.SetBkMode(platform::BkMode::kTransparent);
  s.canvas.DrawText("WWW", box, platform::kDtSingleLine | platform::kDtNoPrefix);
  int red = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x)
      if (s.canvas.GetPixel(x, y) == platform::clRed) ++red;
  EXPECT_GT(red, 10);
}

TEST(GdiCanvas, BitmapsCopyStretchAndReplaceAColour) {
  Surface s(40, 40);
  std::unique_ptr<platform::Bitmap> tile = s.canvas.CreateBitmap(4, 2);
  ASSERT_EQ(tile->Width(), 4);
  tile->GetCanvas().FillRect({0, 0, 2, 2}, platform::clGreen);
  tile->GetCanvas().FillRect({2, 0, 4, 2}, platform::clRed);
  s.canvas.Draw(10, 10, *tile);
  EXPECT_EQ(s.canvas.GetPixel(10, 10), platform::clGreen);
  EXPECT_EQ(s.canvas.GetPixel(13, 11), platform::clRed);
  EXPECT_EQ(s.canvas.GetPixel(14, 11), kWhite);

  s.canvas.DrawReplacingColor(20, 20, *tile, platform::clGreen, platform::clBlue);
  EXPECT_EQ(s.canvas.GetPixel(21, 21), platform::clBlue);
  EXPECT_EQ(s.canvas.GetPixel(22, 21), platform::clRed);

  s.canvas.StretchDraw({0, 30, 8, 34}, *tile);
  EXPECT_EQ(s.canvas.GetPixel(3, 33), platform::clGreen);
  EXPECT_EQ(s.canvas.GetPixel(4, 30), platform::clRed);

  tile->SetSize(6, 6);
  EXPECT_EQ(tile->Width(), 6);
  EXPECT_EQ(tile->Height(), 6);
}

TEST(GdiCanvas, PensBrushesAndMasksKeptBetweenCallsDrawWhatEachCallAsks) {
  Surface s(80, 20);
  const HDC dc = s.bitmap.Dc();
  s.canvas.SetPenColor(platform::clBlue);
  const HGDIOBJ blue = ::GetCurrentObject(dc, OBJ_PEN);
  s.canvas.SetPenColor(platform::clBlue);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), blue);  // the same colour keeps its pen
  s.canvas.SetPenColor(platform::clRed);
  s.canvas.MoveTo(0, 19);
  s.canvas.LineTo(10, 19);
  EXPECT_EQ(s.canvas.GetPixel(5, 19), platform::clRed);

  // More fill colours than the canvas keeps brushes for, then the first ones again.
  const platform::Color fills[] = {platform::clRed, platform::clGreen, 0x102030,       0x405060,
                                   0x708090,        platform::clGreen, platform::clRed};
  for (int i = 0; i < 7; ++i) s.canvas.FillRect({i * 10, 0, i * 10 + 10, 4}, fills[i]);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(s.canvas.GetPixel(i * 10 + 5, 2), fills[i]) << i;

  // Transparent copies of a small, a larger and the small bitmap again: each leaves out its
  // own transparent colour and nothing outside its size.
  std::unique_ptr<platform::Bitmap> small = s.canvas.CreateBitmap(2, 2);
  small->GetCanvas().FillRect({0, 0, 2, 2}, platform::clGreen);
  small->GetCanvas().FillRect({1, 0, 2, 2}, platform::clBlue);
  std::unique_ptr<platform::Bitmap> large = s.canvas.CreateBitmap(4, 6);
  large->GetCanvas().FillRect({0, 0, 4, 6}, platform::clBlue);
  large->GetCanvas().FillRect({0, 0, 4, 3}, platform::clRed);
  s.canvas.DrawTransparent(0, 8, *small, platform::clGreen);
  s.canvas.DrawTransparent(10, 8, *large, platform::clBlue);
  s.canvas.DrawTransparent(20, 8, *small, platform::clBlue);
  EXPECT_EQ(s.canvas.GetPixel(0, 8), kWhite);
  EXPECT_EQ(s.canvas.GetPixel(1, 9), platform::clBlue);
  EXPECT_EQ(s.canvas.GetPixel(13, 10), platform::clRed);
  EXPECT_EQ(s.canvas.GetPixel(13, 11), kWhite);
  EXPECT_EQ(s.canvas.GetPixel(20, 9), platform::clGreen);
  EXPECT_EQ(s.canvas.GetPixel(21, 8), kWhite);
  EXPECT_EQ(s.canvas.GetPixel(22, 8), kWhite);
}

TEST(GdiCanvas, MainWindowGaugeStripPaintsToThePixel) {
  controls::TGaugeBar bar("GaugeBar1", nullptr);
  controls::ConfigureAsMainWindowStrip(bar);
  Surface s(353, 17);
  bar.Paint(s.canvas);
  EXPECT_EQ(s.canvas.GetPixel(0, 8), 0x800040u);
  EXPECT_EQ(s.canvas.GetPixel(88, 8), platform::Rgb(88, 67, 159));
  EXPECT_EQ(s.canvas.GetPixel(175, 8), 0xBE8570u);
  EXPECT_EQ(s.canvas.GetPixel(352, 0), 0xDBBBAEu);
  EXPECT_EQ(s.canvas.GetPixel(352, 8), kWhite);
  EXPECT_EQ(s.canvas.GetPixel(100, 16), kWhite);
}

TEST(GdiCanvas, MarkupMeasuresInRealFonts) {
  Surface s(200, 40);
  platform::Font font;
  s.canvas.SetFont(font);
  const int gh = s.canvas.TextHeight("gh");
  controls::markup::Options options;
  options.mode = controls::markup::Mode::kMeasure;
  EXPECT_EQ(controls::markup::Render(s.canvas, "<B></B>", {0, 0, 200, 40}, options).height, gh);
  options.mode = controls::markup::Mode::kDraw;
  const controls::markup::Result r = controls::markup::Render(
      s.canvas, "<FONT color=\"clred\" size=\"12\">WWW</FONT>", {0, 0, 200, 40}, options);
  EXPECT_GT(r.height, gh);
  EXPECT_EQ(s.canvas.GetFont(), font);
}

}  // namespace
