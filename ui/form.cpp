#include "ui/form.h"

namespace ui {

void Form::Paint(platform::Canvas& canvas) {
  if (background_.Empty()) {
    canvas.FillRect(ClientRect(), Color());
    return;
  }
  auto tile = ToBitmap(canvas, background_);
  canvas.Tile(ClientRect(), *tile, {0, 0});
}

}  // namespace ui
