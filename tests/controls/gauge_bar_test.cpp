// The gauge bar painted into a pixel canvas. Unpainted pixels read kUnpainted; system colours
// resolve as in the classic scheme (clBtnFace 0xC0C0C0, clBtnHighlight 0xFFFFFF).
#include "controls/gauge_bar.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/fakes/fake_view.h"
#include "tests/fakes/recording_canvas.h"

namespace {

using controls::ColorStep;
using controls::TBarColorStyle;
using controls::TGaugeBar;
using controls::TProgressDirection;
using fakes::RecordingCanvas;

constexpr platform::Color kFace = 0xC0C0C0;

using CountingView = fakes::FakeView;

RecordingCanvas PaintOf(TGaugeBar& bar) {
  RecordingCanvas canvas(bar.Width(), bar.Height());
  bar.Paint(canvas);
  return canvas;
}

TEST(GaugeBar, MainWindowStripIsAFullThreeColourGradientWithWhiteBottomAndRightEdges) {
  TGaugeBar bar("GaugeBar1", nullptr);
  controls::ConfigureAsMainWindowStrip(bar);
  ASSERT_EQ(bar.Width(), 353);
  ASSERT_EQ(bar.Height(), 17);
  EXPECT_EQ(bar.Position(), 111);
  const RecordingCanvas canvas = PaintOf(bar);
  const platform::Color c1 = 0x800040, c2 = 0xBE8570, c3 = 0xDBBBAE;
  // Worked by hand: columns 0..175 step from c1 to c2 and 176..352 from c2 to c3, channel by
  // channel from + (step - 1) * (to - from) / (steps - 1), rounded half away from zero.
  struct Column {
    int x;
    platform::Color color;
  } columns[] = {
      {0, c1},                              // step 1 of 176; no left edge
      {1, platform::Rgb(64, 1, 128)},       // step 2 of 176: green 133 / 175 rounds to 1
      {88, platform::Rgb(88, 67, 159)},     // step 89 of 176: (64 + 24, 0 + 67, 128 + 31)
      {175, c2},                            // step 176 of 176
      {176, c2},                            // step 1 of 177
      {264, platform::Rgb(143, 160, 205)},  // step 89 of 177: (112 + 31, 133 + 27, 190 + 15)
      {351, c3},  // step 176 of 177: 61.6, 53.7 and 28.8 round to the full difference
  };
  for (const Column& c : columns) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(canvas.GetPixel(c.x, 8), c.color);
  }
  for (int x = 1; x < 352; ++x) {
    SCOPED_TRACE(x);
    ASSERT_EQ(canvas.GetPixel(x, 0), canvas.GetPixel(x, 8));  // no top edge: clNone
    ASSERT_EQ(canvas.GetPixel(x, 16), platform::clWhite);
    // Every channel grows from c1 to c3, so no column is darker than the one before it.
    const platform::Color left = canvas.GetPixel(x - 1, 8), here = canvas.GetPixel(x, 8);
    ASSERT_GE(platform::RedOf(here), platform::RedOf(left));
    ASSERT_GE(platform::GreenOf(here), platform::GreenOf(left));
    ASSERT_GE(platform::BlueOf(here), platform::BlueOf(left));
  }
  EXPECT_EQ(canvas.GetPixel(0, 16), c1);  // the bottom edge starts at x = 1
  for (int y = 1; y < 17; ++y) EXPECT_EQ(canvas.GetPixel(352, y), platform::clWhite);
  EXPECT_EQ(canvas.GetPixel(352, 0), c3);  // the right edge stops short of the top row
  EXPECT_TRUE(canvas.created.at(0)->Recorder().Calls("TextOut").empty());
}

TEST(GaugeBar, PositionDecidesHowMuchOfTheInnerRectangleIsBackground) {
  struct Case {
    int position;
    int filled_columns;
  };
  const Case cases[] = {{0, 0}, {50, 99}, {100, 198}, {1, 2}, {99, 196}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    TGaugeBar bar("bar", nullptr);  // 200 x 20, 0..100, border on
    bar.SetShowPosText(false);
    bar.SetPosition(c.position);
    EXPECT_EQ(bar.FilledLength(), c.filled_columns);
    const RecordingCanvas canvas = PaintOf(bar);
    int filled = 0;
    for (int x = 1; x < 199; ++x) {
      const bool background = canvas.GetPixel(x, 10) == kFace;
      if (!background) ++filled;
      EXPECT_EQ(background, x > c.filled_columns) << x;
      EXPECT_EQ(canvas.GetPixel(x, 1), canvas.GetPixel(x, 18)) << x;
    }
    EXPECT_EQ(filled, c.filled_columns);
  }
}

TEST(GaugeBar, NoRangeOrAPositionAboveALoweredMaximumStaysInsideTheBar) {
  struct Case {
    int min, max, filled;
  } cases[] = {{50, 50, 0}, {0, 10, 198}, {-5, -5, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.max);
    TGaugeBar bar("bar", nullptr);  // 200 x 20, border on
    bar.SetPosition(80);
    bar.SetMin(c.min);
    bar.SetMax(c.max);
    EXPECT_EQ(bar.FilledLength(), c.filled);
    PaintOf(bar);  // no division by zero, no overflow
  }
}

TEST(GaugeBar, AColourChangedBeforeAPositionChangeIsPaintedAtTheNextPaint) {
  TGaugeBar bar("bar", nullptr);
  bar.SetShowPosText(false);
  bar.SetPosition(100);
  RecordingCanvas first(bar.Width(), bar.Height());
  bar.Paint(first);
  bar.SetBarColor1(platform::clRed);
  bar.SetBarColor2(platform::clRed);
  bar.SetPosition(99);
  RecordingCanvas second(bar.Width(), bar.Height());
  bar.Paint(second);
  EXPECT_EQ(second.GetPixel(5, 10), platform::clRed);
}

TEST(GaugeBar, PositionOutsideTheRangeOrUnchangedIsIgnored) {
  CountingView view;  // outlives the bar, as a window outlives its component
  TGaugeBar bar("bar", nullptr);
  bar.AttachView(&view);
  bar.SetPosition(150);
  bar.SetPosition(-1);
  bar.SetPosition(0);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(view.invalidations, 0);
  bar.SetPosition(100);
  EXPECT_EQ(bar.Position(), 100);
  EXPECT_EQ(view.invalidations, 1);
  bar.SetBarColor1(platform::clRed);
  EXPECT_EQ(view.invalidations, 2);
}

TEST(GaugeBar, PositionTextIsCentred) {
  TGaugeBar bar("bar", nullptr);
  bar.SetPosition(42);
  EXPECT_EQ(bar.PositionText(), "42%");
  bar.SetPosTextPrefix("cpu ");
  EXPECT_EQ(bar.PositionText(), "cpu 42%");
  bar.SetPosTextPrefix("");
  const RecordingCanvas canvas = PaintOf(bar);
  // Composed off-screen: 3 characters of 6 pixels, 13 pixels high, centred in 200 x 20.
  ASSERT_FALSE(canvas.created.empty());
  const RecordingCanvas& offscreen = canvas.created[0]->Recorder();
  EXPECT_EQ(offscreen.Calls("TextOut"), std::vector<std::string>{"TextOut \"42%\" 91,4"});
  EXPECT_EQ(offscreen.texts.at(0).bk_mode, platform::BkMode::kTransparent);
}

TEST(GaugeBar, EveryDirectionUncoversTheBarFromItsStartSide) {
  struct Case {
    TProgressDirection direction;
    platform::Point filled;      // a pixel of the bar at position 50
    platform::Point background;  // a pixel left in the background colour
  };
  const Case cases[] = {
      {TProgressDirection::pdLeftToRight, {99, 10}, {100, 10}},
      {TProgressDirection::pdRightToLeft, {100, 10}, {99, 10}},
      {TProgressDirection::pdBottomToTop, {50, 10}, {50, 9}},
      {TProgressDirection::pdTopToBottom, {50, 9}, {50, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.direction));
    TGaugeBar bar("bar", nullptr);
    bar.SetShowPosText(false);
    bar.SetDirection(c.direction);
    bar.SetPosition(50);
    const RecordingCanvas canvas = PaintOf(bar);
    EXPECT_NE(canvas.GetPixel(c.filled.x, c.filled.y), kFace);
    EXPECT_EQ(canvas.GetPixel(c.background.x, c.background.y), kFace);
  }
}

TEST(GaugeBar, GradientAlwaysStartsAtBarColor1OnTheFilledEnd) {
  TGaugeBar bar("bar", nullptr);
  bar.SetShowBorder(false);
  bar.SetShowPosText(false);
  bar.SetPosition(100);
  bar.SetDirection(TProgressDirection::pdRightToLeft);
  RecordingCanvas canvas = PaintOf(bar);
  EXPECT_EQ(canvas.GetPixel(199, 5), 0x008000u);
  EXPECT_EQ(canvas.GetPixel(100, 5), 0x00FFFFu);
  EXPECT_EQ(canvas.GetPixel(0, 5), 0x0000FFu);

  bar.SetBarColorStyle(TBarColorStyle::cs2Colors);
  bar.SetDirection(TProgressDirection::pdTopToBottom);
  canvas = PaintOf(bar);
  EXPECT_EQ(canvas.GetPixel(5, 0), 0x008000u);
  EXPECT_EQ(canvas.GetPixel(5, 19), 0x00FFFFu);
  // Step 11 of 20: red 0 + 10 * 255 / 19 = 134.2, green 128 + 10 * 127 / 19 = 194.8.
  EXPECT_EQ(canvas.GetPixel(5, 10), platform::Rgb(134, 195, 0));

  bar.SetBarColorStyle(TBarColorStyle::cs1Color);
  canvas = PaintOf(bar);
  EXPECT_EQ(canvas.GetPixel(0, 0), 0x008000u);
  EXPECT_EQ(canvas.GetPixel(199, 19), 0x008000u);
}

TEST(GaugeBar, BarBitmapIsTiledFromTheOrigin) {
  auto tile = std::make_unique<fakes::FakeBitmap>(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) tile->Recorder().SetPixel(x, y, platform::Rgb(x * 10, y * 10, 1));
  TGaugeBar bar("bar", nullptr);
  bar.SetShowBorder(false);
  bar.SetShowPosText(false);
  bar.SetBarBitmap(std::move(tile));
  bar.SetPosition(100);
  const RecordingCanvas canvas = PaintOf(bar);
  for (const platform::Point p : {platform::Point{0, 0}, {4, 1}, {199, 19}, {101, 10}})
    EXPECT_EQ(canvas.GetPixel(p.x, p.y), platform::Rgb(p.x % 3 * 10, p.y % 2 * 10, 1));
}

TEST(GaugeBar, ColorStepRunsFromFirstToLastAndRejectsStepsOutsideTheRange) {
  EXPECT_EQ(ColorStep(0x000000, 0xFFFFFF, 1, 5), 0x000000u);
  EXPECT_EQ(ColorStep(0x000000, 0xFFFFFF, 5, 5), 0xFFFFFFu);
  EXPECT_EQ(ColorStep(0x000000, 0x0000FF, 2, 3), 0x000080u);  // 127.5 rounds up
  EXPECT_EQ(ColorStep(0x0000FF, 0x000000, 2, 3), 0x00007Fu);  // -127.5 rounds away from 0
  for (int k : {0, 177, -5}) {
    try {
      ColorStep(0, 0xFFFFFF, k, 176);
      ADD_FAILURE() << "no error for step " << k;
    } catch (const std::range_error& e) {
      EXPECT_STREQ(e.what(), "ColorIndex can't be less than 1 or greater than 176");
    }
  }
}

}  // namespace
