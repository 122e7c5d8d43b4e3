#include "ui/progress_fill.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/recording_canvas.h"

namespace {

using ui::TProgressFill;

TEST(UsageIndicatorPosition, ClampsTheSignedFigureToAPercentage) {
  struct Case {
    std::uint32_t value;
    std::uint8_t expected;
  } cases[] = {
      {0, 0},     {42, 42},          {100, 100},      {101, 100},      {255, 100},
      {256, 100}, {0x7FFFFFFF, 100}, {0xFFFFFFCE, 0}, {0xFFFFFF9C, 0}, {0x80000000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(ui::UsageIndicatorPosition(c.value), c.expected);
  }
}

// The indicator as the main window places it, painted into pixels.
struct Painted {
  explicit Painted(std::uint8_t position) : fill("ProgressFill1", nullptr), canvas(25, 49) {
    fill.SetBounds(platform::RectOfSize(520, 32, 25, 49));
    fill.SetPosition(position);
    fill.Paint(canvas);
  }
  // Rows of the inner area, from the bottom, painted in a gradient colour rather than the ground.
  int FilledRows() const {
    int rows = 0;
    const platform::Rect inner = fill.InnerRect();
    for (int y = inner.bottom - 1; y >= inner.top; --y, ++rows)
      if (canvas.GetPixel(12, y) == fill.Color()) break;
    return rows;
  }
  TProgressFill fill;
  fakes::RecordingCanvas canvas;
};

TEST(TProgressFill, FillsFromTheBottomInProportion) {
  struct Case {
    std::uint8_t position;
    int rows;  // of the 47 inside the frame
  } cases[] = {{0, 0}, {1, 0}, {50, 24}, {98, 46}, {100, 47}, {200, 47}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    Painted p(c.position);
    EXPECT_EQ(p.FilledRows(), c.rows);
    EXPECT_EQ(TProgressFill::FillHeight(47, c.position), c.rows);
  }
}

TEST(TProgressFill, GradientRunsFromNavyAtTheTopToPurpleAtTheBottom) {
  Painted p(100);
  EXPECT_EQ(p.canvas.GetPixel(12, 1), platform::clNavy);
  EXPECT_EQ(p.canvas.GetPixel(12, 47), platform::clPurple);
  const platform::Color middle = p.canvas.GetPixel(12, 24);
  EXPECT_EQ(middle, platform::Rgb(64, 0, 128));
  // A half fill shows the lower half of the same gradient.
  Painted half(50);
  EXPECT_EQ(half.canvas.GetPixel(12, 47), platform::clPurple);
  EXPECT_EQ(half.canvas.GetPixel(12, 24), middle);
}

TEST(TProgressFill, ShowsThePositionAsCentredPercentageInTwoTones) {
  struct Case {
    std::uint8_t position;
    const char* text;
    // The fill's top row and how it is drawn: of the 47 inner rows, ending at 48, 42% fills the
    // lowest 20 (19.74 rounded) and 100% all of them.
    int fill_top;
    const char* fill_drawn;
  } cases[] = {
      {0, "0%", 48, ""}, {42, "42%", 28, "Draw 1,28 23x20"}, {100, "100%", 1, "Draw 1,1 23x47"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Painted p(c.position);
    // Navy over the whole indicator first, then white inside the fill drawn over it, placed so
    // that both copies line up.
    ASSERT_EQ(p.canvas.texts.size(), 1u);
    const fakes::TextRecord& t = p.canvas.texts[0];
    EXPECT_EQ(t.text, c.text);
    EXPECT_EQ(t.rect, platform::RectOfSize(0, 0, 25, 49));
    EXPECT_TRUE(t.flags & platform::kDtCenter);
    EXPECT_TRUE(t.flags & platform::kDtVCenter);
    EXPECT_EQ(t.bk_mode, platform::BkMode::kTransparent);
    EXPECT_EQ(t.font.color, platform::clNavy);
    if (c.position == 0) {
      EXPECT_TRUE(p.canvas.created.empty());
      continue;
    }
    ASSERT_EQ(p.canvas.created.size(), 2u);  // the fill, and the gradient it copies from
    const auto& white = p.canvas.created[0]->Recorder().texts;
    ASSERT_EQ(white.size(), 1u);
    EXPECT_EQ(white[0].text, c.text);
    EXPECT_EQ(white[0].font.color, platform::clWhite);
    EXPECT_EQ(white[0].rect, platform::RectOfSize(-1, -c.fill_top, 25, 49));
    EXPECT_EQ(p.canvas.Calls("Draw ").back(), c.fill_drawn);
  }
}

}  // namespace
