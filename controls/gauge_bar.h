#pragma once
// TGaugeBar: a window-less bar filled with a two- or three-colour gradient (or a tiled bitmap)
// in proportion to a position between a minimum and a maximum, with an optional two-colour
// border and a centred position text. Every paint is composed off-screen and copied at once.
#include <functional>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "ui/component.h"

namespace controls {

enum class TBarColorStyle { cs1Color = 0, cs2Colors = 1, cs3Colors = 2 };
enum class TProgressDirection {
  pdLeftToRight = 0,
  pdRightToLeft = 1,
  pdBottomToTop = 2,
  pdTopToBottom = 3,
};

class TGaugeBar : public ui::Component {
 public:
  TGaugeBar(std::string name, ui::Component* parent);

  platform::Color BackgroundColor() const { return background_color_; }
  void SetBackgroundColor(platform::Color c) { Store(background_color_, c); }
  // The bar bitmap is owned by the control; nullptr (or an empty bitmap) means "gradient".
  platform::Bitmap* BarBitmap() const { return bar_bitmap_.get(); }
  void SetBarBitmap(std::unique_ptr<platform::Bitmap> bitmap);
  platform::Color BarColor1() const { return bar_color1_; }
  void SetBarColor1(platform::Color c) { Store(bar_color1_, c); }
  platform::Color BarColor2() const { return bar_color2_; }
  void SetBarColor2(platform::Color c) { Store(bar_color2_, c); }
  platform::Color BarColor3() const { return bar_color3_; }
  void SetBarColor3(platform::Color c) { Store(bar_color3_, c); }
  TBarColorStyle BarColorStyle() const { return bar_color_style_; }
  void SetBarColorStyle(TBarColorStyle s) { Store(bar_color_style_, s); }
  platform::Color BorderColor1() const { return border_color1_; }
  void SetBorderColor1(platform::Color c) { Store(border_color1_, c); }
  platform::Color BorderColor2() const { return border_color2_; }
  void SetBorderColor2(platform::Color c) { Store(border_color2_, c); }
  TProgressDirection Direction() const { return direction_; }
  void SetDirection(TProgressDirection d) { Store(direction_, d); }
  int Max() const { return max_; }
  void SetMax(int v) { Store(max_, v); }
  int Min() const { return min_; }
  void SetMin(int v) { Store(min_, v); }
  int Position() const { return position_; }
  // Ignored when unchanged or outside Min..Max; the repaint reuses the bar already built.
  void SetPosition(int v);
  const std::string& PosTextPrefix() const { return pos_text_prefix_; }
  void SetPosTextPrefix(const std::string& s) { Store(pos_text_prefix_, s); }
  const std::string& PosTextSuffix() const { return pos_text_suffix_; }
  void SetPosTextSuffix(const std::string& s) { Store(pos_text_suffix_, s); }
  bool ShowBorder() const { return show_border_; }
  void SetShowBorder(bool b) { Store(show_border_, b); }
  bool ShowPosText() const { return show_pos_text_; }
  void SetShowPosText(bool b) { Store(show_pos_text_, b); }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool b) { show_hint_ = b; }
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool b) { parent_show_hint_ = b; }

  std::function<void(TGaugeBar&)> on_click;

  // Length of the filled part along the bar, inside the border.
  int FilledLength() const;
  std::string PositionText() const;

  void Paint(platform::Canvas& canvas) override;
  bool MouseDown(ui::MouseButton button, platform::Point at, ui::ShiftState shift) override;
  bool MouseUp(ui::MouseButton button, platform::Point at, ui::ShiftState shift) override;

 private:
  template <typename T>
  void Store(T& field, const T& value) {
    field = value;
    // Whatever a property changes, the bar is drawn anew at the next paint, even when a
    // position change comes in between.
    bar_outdated_ = true;
    Invalidate();
  }
  bool Horizontal() const;
  void PaintBar(platform::Canvas& target, platform::Canvas& canvas);
  void PaintGradient(platform::Canvas& canvas, int width, int height) const;
  void PaintUnfilled(platform::Canvas& canvas) const;
  void PaintBorder(platform::Canvas& canvas) const;
  void PaintText(platform::Canvas& canvas) const;

  platform::Color background_color_ = platform::clBtnFace;
  std::unique_ptr<platform::Bitmap> bar_bitmap_;
  platform::Color bar_color1_ = 0x008000;
  platform::Color bar_color2_ = 0x00FFFF;
  platform::Color bar_color3_ = 0x0000FF;
  TBarColorStyle bar_color_style_ = TBarColorStyle::cs3Colors;
  platform::Color border_color1_ = platform::clBtnShadow;
  platform::Color border_color2_ = platform::clBtnHighlight;
  TProgressDirection direction_ = TProgressDirection::pdLeftToRight;
  int max_ = 100;
  int min_ = 0;
  int position_ = 0;
  std::string pos_text_prefix_;
  std::string pos_text_suffix_ = "%";
  bool show_border_ = true;
  bool show_pos_text_ = true;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;

  std::unique_ptr<platform::Bitmap> offscreen_;
  std::unique_ptr<platform::Bitmap> bar_;  // the gradient or tiled bitmap, kept for reuse
  bool rebuild_ = true;
  bool bar_outdated_ = true;  // a property changed since the bar bitmap was drawn
  bool pressed_ = false;
};

// Colour step k of n (1 <= k <= n) between two red-green-blue colours, each channel
// A + MulDiv(k - 1, B - A, n - 1). Throws std::range_error for k outside 1..n.
platform::Color ColorStep(platform::Color a, platform::Color b, int k, int n);

// Sets a gauge bar up as the main window's GaugeBar1: a full, fixed purple-to-lavender strip
// with a white bottom and right edge, no background, no top-left edge and no text.
void ConfigureAsMainWindowStrip(TGaugeBar& bar);

}  // namespace controls
