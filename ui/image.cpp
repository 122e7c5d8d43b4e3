#include "ui/image.h"

namespace ui {

void TImage::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  bitmap_.reset();
  Invalidate();
}

void TImage::Paint(platform::Canvas& canvas) {
  const platform::Rect all = ClientRect();
  if (!transparent_) canvas.FillRect(all, Color());
  if (picture_.Empty()) return;
  if (!bitmap_) bitmap_ = ToBitmap(canvas, picture_);
  if (stretch_) {
    canvas.StretchDraw(all, *bitmap_);
    return;
  }
  const int x = center_ ? (all.Width() - picture_.width) / 2 : 0;
  const int y = center_ ? (all.Height() - picture_.height) / 2 : 0;
  if (transparent_)
    canvas.DrawTransparent(x, y, *bitmap_, TransparentColor(picture_));
  else
    canvas.Draw(x, y, *bitmap_);
}

}  // namespace ui
