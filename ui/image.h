#pragma once
// A picture on a form: drawn at its top-left corner or centred, or stretched over the whole
// component; when transparent, its top-left pixel's colour lets what lies behind show.
#include <memory>

#include "ui/component.h"
#include "ui/picture.h"

namespace ui {

class TImage : public Component {
 public:
  using Component::Component;

  const Picture& Image() const { return picture_; }
  void SetPicture(Picture picture);
  void SetStretch(bool stretch) { stretch_ = stretch; }
  void SetCenter(bool center) { center_ = center; }
  bool Transparent() const override { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }

  void Paint(platform::Canvas& canvas) override;

 private:
  Picture picture_;
  std::unique_ptr<platform::Bitmap> bitmap_;  // made when first painted
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace ui
