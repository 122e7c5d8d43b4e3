#include "ui/bevel.h"

#include "platform/canvas.h"

namespace ui {

void TBevel::Paint(platform::Canvas& canvas) {
  const int width = Width();
  canvas.FillRect({0, 0, width, 1}, platform::clBtnShadow);
  canvas.FillRect({0, 1, width, 2}, platform::clBtnHighlight);
}

}  // namespace ui
