#pragma once
// The flat command button of the top bar: a picture left of a caption, silver while idle and
// white while the pointer is over it. The form swaps its picture between an idle and a hover
// image in the button's pointer events.
#include <functional>

#include "ui/flat_button.h"
#include "ui/picture.h"

namespace ui {

class TExplBtn : public FlatButton {
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

  // The top bar's tile shows around the picture and the caption.
  bool Transparent() const override { return true; }
  void Paint(platform::Canvas& canvas) override;

  static constexpr platform::Color kIdleCaptionColor = platform::clSilver;
  static constexpr int kGlyphSpacing = 4;

 protected:
  void Clicked() override {
    if (OnClick) OnClick(*this);
  }
  void PointerMoved() override {
    if (OnMouseMove) OnMouseMove(*this);
  }
  void PointerLeft() override {
    if (OnExit) OnExit(*this);
  }

 private:
  Picture bitmap_;
  std::unique_ptr<platform::Bitmap> glyph_;  // bitmap_ on the device, made when first painted
};

}  // namespace ui
