#pragma once
// A canvas that logs every call as a short string and, when given a size, also keeps pixels so
// that fills, lines and bitmap copies can be checked to the pixel. Text is logged (and kept as
// structured records) but not rasterised.
//
// Metrics, chosen so expected geometry can be worked out by hand:
// - every character (of the UTF-8 text, not every byte) is 6 pixels wide (a "&" prefix
//   character in DrawText takes no room, "&&" one character), whatever the font;
// - a line of text is (font size + 5) pixels high, size 0 counting as 8: 8 pt -> 13 px,
//   10 pt -> 15 px, 12 pt -> 17 px;
// - default tab stops every 48 pixels; 96 pixels per inch unless set otherwise.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace fakes {

class FakeBitmap;

constexpr int kCharWidth = 6;
constexpr platform::Color kUnpainted = 0xFF000000;  // a pixel no call has touched

struct TextRecord {
  std::string text;
  platform::Rect rect;  // DrawText: the rectangle; TextOut/TabbedTextOut: origin and extent
  std::uint32_t flags = 0;
  platform::Font font;
  platform::BkMode bk_mode = platform::BkMode::kOpaque;
  platform::Color bk_color = platform::clWhite;
};

class RecordingCanvas : public platform::Canvas {
 public:
  RecordingCanvas() = default;
  // With a size: a pixel buffer of that size, every pixel kUnpainted.
  RecordingCanvas(int width, int height);

  std::vector<std::string> log;
  std::vector<TextRecord> texts;                 // drawn text only (not measuring)
  std::map<int, platform::Color> system_colors;  // system colour index -> RGB
  int pixels_per_inch = 96;
  // Bitmaps made by CreateBitmap, in order; not owned, valid while their owner keeps them.
  std::vector<FakeBitmap*> created;

  // Log lines starting with `prefix` (e.g. "FillRect").
  std::vector<std::string> Calls(const std::string& prefix) const;
  int PixelWidth() const { return width_; }
  int PixelHeight() const { return height_; }

  static int LineHeightOf(const platform::Font& font) {
    return (font.size == 0 ? 8 : font.size) + 5;
  }
  // Width of `text` as DrawText shows it with prefix processing.
  static int PrefixedWidth(const std::string& text);

  void SetFont(const platform::Font& font) override;
  const platform::Font& GetFont() const override { return font_; }
  void SetPenColor(platform::Color color) override;
  platform::Color PenColor() const override { return pen_; }
  void SetBrushColor(platform::Color color) override;
  platform::Color BrushColor() const override { return brush_; }
  void SetBkMode(platform::BkMode mode) override;
  platform::BkMode GetBkMode() const override { return bk_mode_; }
  void SetBkColor(platform::Color color) override;
  platform::Color GetBkColor() const override { return bk_color_; }
  platform::Color ResolveColor(platform::Color color) const override;
  int PixelsPerInch() const override { return pixels_per_inch; }

  platform::Size TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;
  int DrawText(const std::string& text, platform::Rect& rect, std::uint32_t flags) override;
  platform::Size TabbedTextOut(int x, int y, const std::string& text, const std::vector<int>& stops,
                               int tab_origin) override;

  platform::Size TabbedTextExtent(const std::string& text, const std::vector<int>& stops,
                                  int tab_origin) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(const platform::Rect& rect) override;
  void FillRect(const platform::Rect& rect, platform::Color color) override;
  void SetPixel(int x, int y, platform::Color color) override;
  platform::Color GetPixel(int x, int y) const override;
  void Frame3D(const platform::Rect& rect, platform::Color top_left, platform::Color bottom_right,
               int width) override;
  void DrawEdge(const platform::Rect& rect, std::uint32_t edge, std::uint32_t flags) override;
  void DrawFrameControl(const platform::Rect& rect, std::uint32_t state) override;
  void DrawFocusRect(const platform::Rect& rect) override;

  void PushClip(const platform::Rect& rect) override;
  void PopClip() override;

  void DrawImage(const platform::ImageList& list, int index, int x, int y, bool enabled) override;
  std::unique_ptr<platform::Bitmap> CreateBitmap(int width, int height) override;
  void Draw(int x, int y, platform::Bitmap& bitmap) override;
  void StretchDraw(const platform::Rect& dest, platform::Bitmap& bitmap) override;
  void DrawTransparent(int x, int y, platform::Bitmap& bitmap,
                       platform::Color transparent) override;
  void DrawReplacingColor(int x, int y, platform::Bitmap& bitmap, platform::Color from,
                          platform::Color to) override;

  // Resizes the pixel buffer (all pixels kUnpainted again).
  void ResizePixels(int width, int height);

 private:
  void Log(std::string line);
  int TabbedWidth(int x, const std::string& text, const std::vector<int>& stops,
                  int tab_origin) const;
  void Plot(int x, int y, platform::Color color);
  // Copies the bitmap's painted pixels; those of colour `from` become `to`, or are left out
  // when `to` is clNone.
  void Blit(int x, int y, platform::Bitmap& bitmap, bool replace, platform::Color from,
            platform::Color to);

  platform::Font font_;
  platform::Color pen_ = platform::clBlack;
  platform::Color brush_ = platform::clWhite;
  platform::BkMode bk_mode_ = platform::BkMode::kOpaque;
  platform::Color bk_color_ = platform::clWhite;
  platform::Point pen_pos_;
  int width_ = 0;
  int height_ = 0;
  std::vector<platform::Color> pixels_;
  std::vector<platform::Rect> clips_;  // innermost last; pixels outside it are left alone
  bool quiet_ = false;                 // set while a composite call draws through the primitives
};

// A bitmap whose canvas is a RecordingCanvas with pixels.
class FakeBitmap : public platform::Bitmap {
 public:
  FakeBitmap(int width, int height) : canvas_(width, height) {}
  int Width() const override { return canvas_.PixelWidth(); }
  int Height() const override { return canvas_.PixelHeight(); }
  void SetSize(int width, int height) override { canvas_.ResizePixels(width, height); }
  platform::Canvas& GetCanvas() override { return canvas_; }
  RecordingCanvas& Recorder() { return canvas_; }

 private:
  RecordingCanvas canvas_;
};

// "0x00BBGGRR" as the log writes colours.
std::string HexColor(platform::Color color);

}  // namespace fakes
