#include "ui/progress_fill.h"

#include <algorithm>
#include <string>

#include "platform/canvas.h"

namespace ui {

std::uint8_t UsageIndicatorPosition(std::uint32_t value) {
  const auto figure = static_cast<std::int32_t>(value);
  return static_cast<std::uint8_t>(std::clamp<std::int32_t>(figure, 0, 100));
}

TProgressFill::TProgressFill(std::string name, Component* parent)
    : Component(std::move(name), parent) {
  // A light ground under the dark fill, in the family of the window's blues.
  SetColor(platform::Rgb(174, 187, 219));
}

void TProgressFill::SetPosition(std::uint8_t position) {
  if (position == position_) return;
  position_ = position;
  Invalidate();
}

platform::Rect TProgressFill::InnerRect() const {
  const platform::Rect c = ClientRect();
  return {c.left + kFrameWidth, c.top + kFrameWidth,
          std::max(c.left + kFrameWidth, c.right - kFrameWidth),
          std::max(c.top + kFrameWidth, c.bottom - kFrameWidth)};
}

int TProgressFill::FillHeight(int inner_height, std::uint8_t position) {
  if (inner_height <= 0) return 0;
  const int percent = std::min<int>(position, 100);
  return (inner_height * percent + 50) / 100;
}

platform::Color TProgressFill::GradientColor(int row, int height) {
  if (height <= 1) return kBottomColor;
  // Each channel runs linearly from the top colour on row 0 to the bottom colour on the last.
  auto mix = [&](int top, int bottom) { return top + (bottom - top) * row / (height - 1); };
  return platform::Rgb(mix(platform::RedOf(kTopColor), platform::RedOf(kBottomColor)),
                       mix(platform::GreenOf(kTopColor), platform::GreenOf(kBottomColor)),
                       mix(platform::BlueOf(kTopColor), platform::BlueOf(kBottomColor)));
}

void TProgressFill::Paint(platform::Canvas& canvas) {
  const platform::Rect client = ClientRect();
  const platform::Rect inner = InnerRect();
  canvas.Frame3D(client, kFrameColor, kFrameColor, kFrameWidth);

  const int height = inner.Height();
  const int filled = FillHeight(height, position_);
  const int fill_top = inner.bottom - filled;
  canvas.FillRect({inner.left, inner.top, inner.right, fill_top}, Color());
  DrawPercentage(canvas, client, kTextColor);
  if (filled == 0 || inner.Width() == 0) return;

  // The fill goes over the text through a bitmap of its own size that holds the same text in
  // white, so the figure reads where the fill's edge cuts through it.
  if (!fill_) fill_ = canvas.CreateBitmap(inner.Width(), filled);
  if (fill_->Width() != inner.Width() || fill_->Height() != filled)
    fill_->SetSize(inner.Width(), filled);
  platform::Canvas& fill = fill_->GetCanvas();
  // The gradient spans the whole inner height, so a growing fill uncovers more of it rather
  // than squeezing it.
  if (!gradient_ || gradient_->Width() != inner.Width() || gradient_->Height() != height) {
    gradient_ = canvas.CreateBitmap(inner.Width(), height);
    for (int row = 0; row < height; ++row)
      gradient_->GetCanvas().FillRect({0, row, inner.Width(), row + 1}, GradientColor(row, height));
  }
  fill.Draw(0, filled - height, *gradient_);
  DrawPercentage(fill,
                 {client.left - inner.left, client.top - fill_top, client.right - inner.left,
                  client.bottom - fill_top},
                 kFilledTextColor);
  canvas.Draw(inner.left, fill_top, *fill_);
}

void TProgressFill::DrawPercentage(platform::Canvas& canvas, platform::Rect rect,
                                   platform::Color color) const {
  platform::Font font = Font();
  font.color = color;
  canvas.SetFont(font);
  canvas.SetBkMode(platform::BkMode::kTransparent);
  canvas.DrawText(
      std::to_string(position_) + "%", rect,
      platform::kDtCenter | platform::kDtVCenter | platform::kDtSingleLine | platform::kDtNoPrefix);
}

}  // namespace ui
