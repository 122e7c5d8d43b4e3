#pragma once
// A flat button with a glyph and an optional caption. Buttons of one group (same parent, same
// non-zero group index) work as a set of toggles: clicking one puts it down and raises the
// others, and a button that is down stays down when clicked again. A disabled button ignores
// the pointer and shows its glyph greyed, but may still be shown down.
#include <functional>
#include <memory>

#include "ui/flat_button.h"
#include "ui/picture.h"

namespace ui {

class TSpeedButton : public FlatButton {
 public:
  TSpeedButton(std::string name, Component* parent);

  const Picture& Glyph() const { return glyph_; }
  // The glyph's top-left pixel is its transparent colour.
  void SetGlyph(Picture glyph);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }
  bool Down() const { return down_; }
  // Putting a grouped button down raises the other buttons of its group.
  void SetDown(bool down);

  std::function<void(TSpeedButton&)> OnClick;
  // What a click does: a grouped button goes down, then OnClick runs.
  void Click();

  bool Transparent() const override { return true; }
  AccessibleInfo Accessible() const override {
    AccessibleInfo info = FlatButton::Accessible();
    if (down_) info.states |= kAccPressed;
    return info;
  }
  void Paint(platform::Canvas& canvas) override;

  static constexpr int kGlyphSpacing = 4;

 protected:
  void Clicked() override { Click(); }

 private:
  void PaintFace(platform::Canvas& canvas);

  Picture glyph_;
  std::unique_ptr<platform::Bitmap> glyph_bitmap_;     // made when first painted
  std::unique_ptr<platform::Bitmap> disabled_bitmap_;  // the greyed glyph, likewise
  int group_index_ = 0;
  bool down_ = false;
};

// `picture` in light greys, its transparent colour kept: how a disabled glyph looks.
Picture GreyedPicture(const Picture& picture);

}  // namespace ui
