#include "ui/picture.h"

namespace ui {

std::unique_ptr<platform::Bitmap> ToBitmap(platform::Canvas& canvas, const Picture& picture) {
  auto bitmap = canvas.CreateBitmap(picture.width, picture.height);
  platform::Canvas& target = bitmap->GetCanvas();
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) target.SetPixel(x, y, picture.At(x, y));
  return bitmap;
}

void DrawTransparent(platform::Canvas& canvas, const Picture& picture, int x, int y) {
  if (picture.Empty()) return;
  const platform::Color key = picture.At(0, 0);
  for (int py = 0; py < picture.height; ++py)
    for (int px = 0; px < picture.width; ++px) {
      platform::Color c = picture.At(px, py);
      if (c != key) canvas.SetPixel(x + px, y + py, c);
    }
}

}  // namespace ui
