#include "ui/picture.h"

namespace ui {

std::unique_ptr<platform::Bitmap> ToBitmap(platform::Canvas& canvas, const Picture& picture) {
  auto bitmap = canvas.CreateBitmap(picture.width, picture.height);
  platform::Canvas& target = bitmap->GetCanvas();
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) target.SetPixel(x, y, picture.At(x, y));
  return bitmap;
}

std::unique_ptr<platform::Bitmap> ToTileBitmap(platform::Canvas& canvas, const Picture& picture) {
  if (picture.Empty()) return ToBitmap(canvas, picture);
  const int across = (kTileSpan + picture.width - 1) / picture.width;
  const int down = (kTileSpan + picture.height - 1) / picture.height;
  Picture tiled{picture.width * across, picture.height * down, {}};
  tiled.pixels.reserve(static_cast<std::size_t>(tiled.width) * tiled.height);
  for (int y = 0; y < tiled.height; ++y)
    for (int x = 0; x < tiled.width; ++x)
      tiled.pixels.push_back(picture.At(x % picture.width, y % picture.height));
  return ToBitmap(canvas, tiled);
}

platform::Color TransparentColor(const Picture& picture) {
  return picture.Empty() ? platform::clNone : picture.At(0, 0);
}

}  // namespace ui
