#include "ui/label.h"

#include "platform/canvas.h"

namespace ui {

void Label::Paint(platform::Canvas& canvas) {
  platform::Rect r = ClientRect();
  if (!transparent_) canvas.FillRect(r, Color());
  canvas.SetFont(Font());
  canvas.SetBkMode(platform::BkMode::kTransparent);
  canvas.DrawText(Text(), r, platform::kDtLeft | platform::kDtTop | platform::kDtSingleLine);
}

}  // namespace ui
