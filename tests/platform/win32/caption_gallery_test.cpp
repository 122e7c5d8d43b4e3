// The captions the lists are written in, drawn by GDI beside the main window's gauge strip and
// saved as a picture a person can look at (build/screenshots/caption-gallery.bmp).
#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/gauge_bar.h"
#include "controls/markup/render.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/image_list.h"
#include "platform/win32/kernel.h"
#include "tests/win32/bmp_file.h"

namespace {

using platform::win32::GdiBitmap;

// A 16 x 16 image for "idx:0": a navy square with a white centre on a magenta key.
std::vector<platform::Color> SquareImage() {
  std::vector<platform::Color> pixels(256, platform::clFuchsia);
  for (int y = 2; y < 14; ++y)
    for (int x = 2; x < 14; ++x)
      pixels[static_cast<std::size_t>(y * 16 + x)] =
          (x > 5 && x < 10 && y > 5 && y < 10) ? platform::clWhite : platform::clNavy;
  return pixels;
}

TEST(CaptionGallery, CaptionFormsAndTheGaugeStripDrawThroughGdi) {
  constexpr int kWidth = 360, kRow = 24;
  const char* captions[] = {
      "<IND x=\"50\"></IMG><FONT color=\"clblack\" size=\"10\"><U>Switch to</U></FONT>",
      "<IND x=\"50\"></IMG><FONT color=\"clred\" size=\"10\"><U>Terminate process</U></FONT>",
      "<IMG src=\"idx:0\"></IMG><FONT color=\"clgreen\" size=\"12\">File name:<IND "
      "x=\"150\"><FONT color=\"clmaroon\">notepad.exe</FONT>",
      "<IMG src=\"idx:0\"></IMG> <FONT color=\"clblue\" size=\"10\">Process ID:<IND "
      "x=\"150\"><FONT color=\"clmaroon\">1234</FONT>",
      "<B><U><FONT color=\"clblue\">Untitled - Notepad</FONT></B></U> ",
      "<FONT color=\"clmaroon\">C:\\windows\\notepad.exe</FONT>",
  };
  const int count = static_cast<int>(std::size(captions));
  GdiBitmap bitmap(kWidth, 17 + 8 + count * kRow);
  platform::Canvas& canvas = bitmap.GetCanvas();
  canvas.FillRect({0, 0, kWidth, bitmap.Height()}, platform::Rgb(197, 210, 226));

  controls::TGaugeBar strip("GaugeBar1", nullptr);
  controls::ConfigureAsMainWindowStrip(strip);
  auto strip_bitmap = canvas.CreateBitmap(353, 17);
  strip.Paint(strip_bitmap->GetCanvas());
  canvas.Draw(0, 0, *strip_bitmap);

  platform::win32::Win32ImageList images;
  ASSERT_EQ(images.AddMasked(SquareImage(), platform::clFuchsia), 0);
  controls::markup::Options options;
  options.images = &images;
  for (int i = 0; i < count; ++i) {
    const platform::Rect row{0, 25 + i * kRow, kWidth, 25 + (i + 1) * kRow};
    canvas.FillRect(row, i % 2 ? platform::Rgb(219, 219, 219) : platform::clInfoBk);
    canvas.SetFont(platform::Font{});
    const controls::markup::Result r = controls::markup::Render(canvas, captions[i], row, options);
    EXPECT_GT(r.height, 0) << captions[i];
  }
  // The image of the detail lines landed at the row's left edge, inside the text area.
  EXPECT_EQ(canvas.GetPixel(1 + 3, 25 + 2 * kRow + 3), platform::clNavy);

  platform::win32::Win32Kernel kernel;
  const std::string exe = kernel.GetModuleFileName();
  const std::string dir = exe.substr(0, exe.rfind('\\') + 1) + "..\\..\\screenshots\\";
  ::CreateDirectoryA(dir.c_str(), nullptr);
  EXPECT_TRUE(test_support::SaveBmp(bitmap.Dc(), bitmap.Handle(), bitmap.Width(), bitmap.Height(),
                                    dir + "caption-gallery.bmp"));
}

}  // namespace
