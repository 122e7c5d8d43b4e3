// The decoration components as they paint on the recording canvas.
#include <gtest/gtest.h>

#include "tests/fakes/recording_canvas.h"
#include "ui/explorer_button.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/raster.h"

namespace {

TEST(Panel, FillsItsColourAndCentresItsCaptionInItsFont) {
  ui::Panel panel("Panel1", nullptr);
  panel.SetBounds(platform::RectOfSize(400, 32, 113, 17));
  panel.SetColor(platform::Rgb(112, 133, 190));
  platform::Font white;
  white.color = platform::clWhite;
  panel.SetFont(white);
  panel.SetText("CPU usage");
  fakes::RecordingCanvas canvas(113, 17);
  panel.Paint(canvas);
  EXPECT_EQ(canvas.GetPixel(0, 0), platform::Rgb(112, 133, 190));
  EXPECT_EQ(canvas.GetPixel(112, 16), platform::Rgb(112, 133, 190));
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].text, "CPU usage");
  EXPECT_EQ(canvas.texts[0].font.color, platform::clWhite);
  EXPECT_TRUE(canvas.texts[0].flags & platform::kDtCenter);
  EXPECT_EQ(canvas.texts[0].bk_mode, platform::BkMode::kTransparent);
}

TEST(Panel, LoweredBevelIsDarkAboveAndLightBelow) {
  ui::Panel panel("Panel4", nullptr);
  panel.SetBounds(platform::RectOfSize(0, 0, 20, 10));
  panel.SetBevelInner(ui::Bevel::kLowered);
  fakes::RecordingCanvas canvas(20, 10);
  canvas.system_colors[0x10] = platform::clGray;
  canvas.system_colors[0x14] = platform::clWhite;
  panel.Paint(canvas);
  EXPECT_EQ(canvas.GetPixel(5, 0), platform::clGray);
  EXPECT_EQ(canvas.GetPixel(5, 9), platform::clWhite);
}

TEST(Label, TransparentLabelLeavesWhatIsBehindIt) {
  ui::Label label("Panel3", nullptr);
  label.SetBounds(platform::RectOfSize(0, 0, 49, 16));
  label.SetTransparent(true);
  label.SetText("Process");
  fakes::RecordingCanvas canvas(49, 16);
  label.Paint(canvas);
  EXPECT_TRUE(label.Transparent());
  EXPECT_EQ(canvas.GetPixel(0, 0), fakes::kUnpainted);
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].text, "Process");
}

TEST(TExplBtn, CaptionIsSilverWhileIdleAndWhiteUnderThePointer) {
  ui::TExplBtn button("AboutBtn", nullptr);
  button.SetBounds(platform::RectOfSize(0, 0, 90, 19));
  button.SetText("About");
  auto caption_color = [&] {
    fakes::RecordingCanvas canvas(90, 19);
    button.Paint(canvas);
    return canvas.texts.at(0).font.color;
  };
  EXPECT_EQ(caption_color(), platform::clSilver);
  button.MouseMove({3, 3}, 0);
  EXPECT_EQ(caption_color(), platform::clWhite);
  button.MouseLeave();
  EXPECT_EQ(caption_color(), platform::clSilver);
}

TEST(TExplBtn, PictureIsDrawnLeftOfTheCaptionWithoutItsKeyColour) {
  ui::TExplBtn button("ReportBtn", nullptr);
  button.SetBounds(platform::RectOfSize(0, 0, 90, 19));
  button.SetText("Report");
  ui::Raster r(4, 4, platform::clFuchsia);
  r.Set(1, 1, platform::clRed);
  button.SetBitmap(r.Take());
  fakes::RecordingCanvas canvas(90, 19);
  button.Paint(canvas);
  // Centred vertically: (19 - 4) / 2 = 7.
  EXPECT_EQ(canvas.GetPixel(2 + 1, 7 + 1), platform::clRed);
  EXPECT_EQ(canvas.GetPixel(2, 7), fakes::kUnpainted);
  EXPECT_EQ(canvas.texts.at(0).rect.left,
            10);  // a margin of 2, the picture's 4 columns, a gap of 4
}

}  // namespace
