#pragma once
// TProgressFill: a percentage indicator that fills from the bottom up with a vertical
// purple-to-navy gradient inside a thin frame and shows its position as "42%" in the middle,
// navy over the light ground and white over the fill.
#include <cstdint>
#include <memory>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "ui/component.h"

namespace ui {

// The indicator position for a processor-usage figure, clamped to 0..100. The sampler reports
// figures unclamped, and one below 0 (a late tick) arrives as its 32-bit two's complement, so
// the figure is read as signed: taking its low 8 bits alone would show -50 as 206 and 256 as 0.
std::uint8_t UsageIndicatorPosition(std::uint32_t value);

class TProgressFill : public Component {
 public:
  static constexpr platform::Color kBottomColor = platform::clPurple;
  static constexpr platform::Color kTopColor = platform::clNavy;
  static constexpr platform::Color kFrameColor = platform::clNavy;
  static constexpr platform::Color kTextColor = platform::clNavy;
  static constexpr platform::Color kFilledTextColor = platform::clWhite;
  static constexpr int kFrameWidth = 1;

  TProgressFill(std::string name, Component* parent);

  // 0..100 fills in proportion; anything above 100 shows a full fill.
  std::uint8_t Position() const { return position_; }
  void SetPosition(std::uint8_t position);

  // The area inside the frame, and the filled rows at its bottom.
  platform::Rect InnerRect() const;
  static int FillHeight(int inner_height, std::uint8_t position);
  // Colour of row `row` (0 at the top) of a gradient `height` rows high.
  static platform::Color GradientColor(int row, int height);

  void Paint(platform::Canvas& canvas) override;

 private:
  void DrawPercentage(platform::Canvas& canvas, platform::Rect rect, platform::Color color) const;

  std::uint8_t position_ = 0;
  // The filled part with its own copy of the text, kept between paints.
  std::unique_ptr<platform::Bitmap> fill_;
  // The whole gradient at the inner size, drawn once; each paint copies its lower part.
  std::unique_ptr<platform::Bitmap> gradient_;
};

}  // namespace ui
