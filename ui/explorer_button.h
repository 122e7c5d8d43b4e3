#pragma once
// The flat command button of the top bar: a picture left of a caption, silver while idle and
// white while the pointer is over it. The form swaps its picture between an idle and a hover
// image in the button's pointer events.
#include <functional>

#include "ui/component.h"
#include "ui/picture.h"

namespace ui {

class TExplBtn : public Component {
 public:
  TExplBtn(std::string name, Component* parent);

  // The picture drawn; NoFocusBitmap is the hover image and DisabledBitmap the idle one.
  const Picture& Bitmap() const { return bitmap_; }
  void SetBitmap(const Picture& picture);
  Picture NoFocusBitmap;
  Picture DisabledBitmap;

  std::function<void(TExplBtn&)> OnClick;
  std::function<void(TExplBtn&)> OnMouseMove;
  // Fires when the pointer leaves the button.
  std::function<void(TExplBtn&)> OnExit;

  bool Hot() const { return hot_; }
  // The top bar's tile shows around the picture and the caption.
  bool Transparent() const override { return true; }
  void Paint(platform::Canvas& canvas) override;
  bool MouseDown(MouseButton button, platform::Point at, ShiftState shift) override;
  bool MouseUp(MouseButton button, platform::Point at, ShiftState shift) override;
  bool MouseMove(platform::Point at, ShiftState shift) override;
  void MouseLeave() override;
  void CaptureLost() override;

  static constexpr platform::Color kIdleCaptionColor = platform::clSilver;
  static constexpr int kGlyphSpacing = 4;

 private:
  Picture bitmap_;
  std::unique_ptr<platform::Bitmap> glyph_;  // bitmap_ on the device, made when first painted
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace ui
