#include "controls/gauge_bar.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace controls {

namespace {

// Windows MulDiv: the product divided by the divisor, rounded to the nearest (halves away from
// zero); -1 for a zero divisor.
int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(number) * numerator;
  if (denominator < 0) {
    product = -product;
    denominator = -denominator;
  }
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

platform::Color ColorStep(platform::Color a, platform::Color b, int k, int n) {
  if (k < 1 || k > n)
    throw std::range_error("ColorIndex can't be less than 1 or greater than " + std::to_string(n));
  // One line has no second colour to step to; it shows the first.
  if (n == 1) return a;
  auto channel = [&](int from, int to) { return from + MulDiv(k - 1, to - from, n - 1); };
  return platform::Rgb(channel(platform::RedOf(a), platform::RedOf(b)),
                       channel(platform::GreenOf(a), platform::GreenOf(b)),
                       channel(platform::BlueOf(a), platform::BlueOf(b)));
}

TGaugeBar::TGaugeBar(std::string name, ui::Component* parent)
    : ui::Component(std::move(name), parent) {
  SetBounds(platform::RectOfSize(0, 0, 200, 20));
}

void TGaugeBar::SetBarBitmap(std::unique_ptr<platform::Bitmap> bitmap) {
  bar_bitmap_ = std::move(bitmap);
  Invalidate();
}

void TGaugeBar::SetPosition(int v) {
  if (v == position_ || v > max_ || v < min_) return;
  position_ = v;
  rebuild_ = false;
  Invalidate();
}

bool TGaugeBar::Horizontal() const {
  return direction_ == TProgressDirection::pdLeftToRight ||
         direction_ == TProgressDirection::pdRightToLeft;
}

int TGaugeBar::FilledLength() const {
  int length = Horizontal() ? Width() : Height();
  if (show_border_) length -= 2;
  if (position_ <= min_ || length <= 0) return 0;
  // No range, or a position left above a lowered maximum: nothing to divide by, or more than
  // the bar holds.
  const double span = std::fabs(static_cast<double>(max_) - min_);
  if (span == 0) return 0;
  // nearbyint in the default rounding mode sends halves to the even neighbour.
  const double filled = std::nearbyint((static_cast<double>(position_) - min_) / span * length);
  return filled >= length ? length : static_cast<int>(filled);
}

std::string TGaugeBar::PositionText() const {
  return pos_text_prefix_ + std::to_string(position_) + pos_text_suffix_;
}

void TGaugeBar::Paint(platform::Canvas& target) {
  const int w = Width();
  const int h = Height();
  if (w <= 0 || h <= 0) return;
  if (!offscreen_)
    offscreen_ = target.CreateBitmap(w, h);
  else if (offscreen_->Width() != w || offscreen_->Height() != h)
    offscreen_->SetSize(w, h);
  platform::Canvas& canvas = offscreen_->GetCanvas();
  canvas.SetFont(Font());
  PaintBar(target, canvas);
  if (show_border_) PaintBorder(canvas);
  if (show_pos_text_) PaintText(canvas);
  target.Draw(0, 0, *offscreen_);
  rebuild_ = true;
}

void TGaugeBar::PaintBar(platform::Canvas& target, platform::Canvas& canvas) {
  const int w = Width();
  const int h = Height();
  const bool tiled = bar_bitmap_ && !bar_bitmap_->Empty();
  if (!tiled && bar_color_style_ == TBarColorStyle::cs1Color) {
    canvas.FillRect({0, 0, w, h}, bar_color1_);
  } else {
    const bool stale = !bar_ || bar_->Width() != w || bar_->Height() != h;
    if (rebuild_ || bar_outdated_ || stale) {
      bar_outdated_ = false;
      if (!bar_)
        bar_ = target.CreateBitmap(w, h);
      else if (stale)
        bar_->SetSize(w, h);
      platform::Canvas& bar = bar_->GetCanvas();
      if (tiled) {
        const int bw = bar_bitmap_->Width();
        const int bh = bar_bitmap_->Height();
        for (int row = 0; row <= h / bh; ++row)
          for (int col = 0; col <= w / bw; ++col) bar.Draw(col * bw, row * bh, *bar_bitmap_);
      } else {
        PaintGradient(bar, w, h);
      }
    }
    canvas.Draw(0, 0, *bar_);
  }
  PaintUnfilled(canvas);
}

void TGaugeBar::PaintGradient(platform::Canvas& canvas, int width, int height) const {
  const bool horizontal = Horizontal();
  const bool reversed = direction_ == TProgressDirection::pdRightToLeft ||
                        direction_ == TProgressDirection::pdBottomToTop;
  const platform::Color c1 = canvas.ResolveColor(bar_color1_);
  const platform::Color c2 = canvas.ResolveColor(bar_color2_);
  const platform::Color c3 = canvas.ResolveColor(bar_color3_);
  const int full = horizontal ? width : height;
  auto paint_line = [&](int i, platform::Color color) {
    if (horizontal)
      canvas.FillRect({i, 0, i + 1, height}, color);
    else
      canvas.FillRect({0, i, width, i + 1}, color);
  };
  // The filled end always starts at BarColor1.
  if (bar_color_style_ == TBarColorStyle::cs2Colors) {
    const platform::Color a = reversed ? c2 : c1;
    const platform::Color b = reversed ? c1 : c2;
    for (int k = 1; k <= full; ++k) paint_line(k - 1, ColorStep(a, b, k, full));
    return;
  }
  const int n = full / 2;
  const platform::Color a = reversed ? c3 : c1;
  const platform::Color c = reversed ? c1 : c3;
  for (int k = 1; k <= n; ++k) paint_line(k - 1, ColorStep(a, c2, k, n));
  const int rest = full - n;
  for (int k = 1; k <= rest; ++k) paint_line(n + k - 1, ColorStep(c2, c, k, rest));
}

void TGaugeBar::PaintUnfilled(platform::Canvas& canvas) const {
  const int w = Width();
  const int h = Height();
  const platform::Rect inner =
      show_border_ ? platform::Rect{1, 1, w - 1, h - 1} : platform::Rect{0, 0, w, h};
  const int length = Horizontal() ? inner.Width() : inner.Height();
  const int unfilled = length - FilledLength();
  // clNone leaves the bar showing where it would otherwise be covered.
  if (unfilled <= 0 || background_color_ == platform::clNone) return;
  platform::Rect strip = inner;
  switch (direction_) {
    case TProgressDirection::pdLeftToRight:
      strip.left = inner.right - unfilled;
      break;
    case TProgressDirection::pdRightToLeft:
      strip.right = inner.left + unfilled;
      break;
    case TProgressDirection::pdBottomToTop:
      strip.bottom = inner.top + unfilled;
      break;
    case TProgressDirection::pdTopToBottom:
      strip.top = inner.bottom - unfilled;
      break;
  }
  canvas.FillRect(strip, background_color_);
}

void TGaugeBar::PaintBorder(platform::Canvas& canvas) const {
  const int w = Width();
  const int h = Height();
  // An edge in clNone is not drawn at all.
  if (border_color1_ != platform::clNone) {
    canvas.SetPenColor(border_color1_);
    canvas.MoveTo(w - 1, 0);
    canvas.LineTo(0, 0);
    canvas.LineTo(0, h);
  }
  if (border_color2_ != platform::clNone) {
    canvas.SetPenColor(border_color2_);
    canvas.MoveTo(1, h - 1);
    canvas.LineTo(w - 1, h - 1);
    canvas.LineTo(w - 1, 0);
  }
}

void TGaugeBar::PaintText(platform::Canvas& canvas) const {
  const std::string text = PositionText();
  const platform::Size size = canvas.TextExtent(text);
  canvas.SetBkMode(platform::BkMode::kTransparent);
  canvas.TextOut(Width() / 2 - size.cx / 2, Height() / 2 - size.cy / 2, text);
}

bool TGaugeBar::MouseDown(ui::MouseButton button, platform::Point, ui::ShiftState) {
  pressed_ = button == ui::MouseButton::kLeft;
  return pressed_;
}

bool TGaugeBar::MouseUp(ui::MouseButton button, platform::Point at, ui::ShiftState) {
  const bool click = pressed_ && button == ui::MouseButton::kLeft && ClientRect().Contains(at);
  pressed_ = false;
  if (click && on_click) on_click(*this);
  return click;
}

void ConfigureAsMainWindowStrip(TGaugeBar& bar) {
  bar.SetBounds(platform::RectOfSize(200, 8, 353, 17));
  bar.SetBackgroundColor(platform::clNone);
  bar.SetBarColor1(platform::Rgb(64, 0, 128));
  bar.SetBarColor2(platform::Rgb(112, 133, 190));
  bar.SetBarColor3(platform::Rgb(174, 187, 219));
  bar.SetBarColorStyle(TBarColorStyle::cs3Colors);
  bar.SetBorderColor1(platform::clNone);
  bar.SetBorderColor2(platform::clWhite);
  bar.SetDirection(TProgressDirection::pdLeftToRight);
  bar.SetMin(0);
  bar.SetMax(111);
  bar.SetPosition(111);
  bar.SetPosTextPrefix("");
  bar.SetPosTextSuffix("%");
  bar.SetShowBorder(true);
  bar.SetShowPosText(false);
  platform::Font font = bar.Font();
  font.name = "MS Sans Serif";
  font.size = 8;
  font.style = platform::kFontBold;
  bar.SetFont(font);
}

}  // namespace controls
