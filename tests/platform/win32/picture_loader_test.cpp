// Pictures decoded by the platform: a bitmap file written by the test, and a missing resource.
#include "platform/win32/picture_loader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(v & 0xFF);
  out.push_back(v >> 8);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

// A 2 x 2, 24-bit bottom-up bitmap file: top row red, blue; bottom row green, white.
std::vector<std::uint8_t> TwoByTwoBitmap() {
  std::vector<std::uint8_t> b;
  const std::uint32_t row = 8;  // 2 pixels of 3 bytes, padded to 4
  b.push_back('B');
  b.push_back('M');
  Put32(b, 54 + 2 * row);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, 2);
  Put32(b, 2);
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, 2 * row);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  // Bottom row first, pixels as blue, green, red.
  for (std::uint8_t v : {0x00, 0x80, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00}) b.push_back(v);
  for (std::uint8_t v : {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}) b.push_back(v);
  return b;
}

TEST(Win32PictureLoader, DecodesABitmapFileAtItsNaturalSize) {
  const std::string path = "picture_loader_test.bmp";
  const std::vector<std::uint8_t> bytes = TwoByTwoBitmap();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);

  platform::win32::Win32PictureLoader loader;
  std::unique_ptr<platform::Bitmap> picture = loader.LoadFile(path);
  std::remove(path.c_str());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 2);
  EXPECT_EQ(picture->Height(), 2);
  platform::Canvas& c = picture->GetCanvas();
  EXPECT_EQ(c.GetPixel(0, 0), platform::clRed);
  EXPECT_EQ(c.GetPixel(1, 0), platform::clBlue);
  EXPECT_EQ(c.GetPixel(0, 1), platform::clGreen);
  EXPECT_EQ(c.GetPixel(1, 1), platform::clWhite);
}

TEST(Win32PictureLoader, MissingOrBrokenPicturesGiveNothing) {
  platform::win32::Win32PictureLoader loader;
  EXPECT_EQ(loader.LoadFile("no_such_picture.bmp"), nullptr);
  EXPECT_EQ(loader.LoadResource("NO_SUCH_RESOURCE"), nullptr);
  const std::string path = "broken_picture.bmp";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("not a picture at all", f);
  std::fclose(f);
  EXPECT_EQ(loader.LoadFile(path), nullptr);
  std::remove(path.c_str());
}

}  // namespace
