#pragma once
// The canvas on a GDI device context, and off-screen bitmaps as 32-bit DIB sections in memory
// DCs. Thin: every operation is one GDI or user32 call on the DC; the GDI objects the canvas
// creates (font, pen, brushes, the mask of transparent copies) are owned here, kept while their
// colour or size still serves, and deselected before they are deleted.
#include "platform/win32/system_headers.h"

#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/win32/gdi_resources.h"
#include "platform/win32/gui_handles.h"

namespace platform::win32 {

using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

class GdiCanvas : public platform::Canvas {
 public:
  // Draws on `dc`, which stays the caller's; its original font, pen and brush are selected
  // back when the canvas goes. Fonts come from `fonts` when given (shared, never deleted
  // here), else the canvas makes its own.
  explicit GdiCanvas(HDC dc, FontCache* fonts = nullptr);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC Dc() const { return dc_; }

  void SetFont(const Font& font) override;
  const Font& GetFont() const override { return font_; }
  void SetPenColor(Color color) override;
  Color PenColor() const override { return pen_color_; }
  void SetBrushColor(Color color) override;
  Color BrushColor() const override { return brush_color_; }
  void SetBkMode(BkMode mode) override;
  BkMode GetBkMode() const override;
  void SetBkColor(Color color) override;
  Color GetBkColor() const override { return bk_color_; }
  Color ResolveColor(Color color) const override;
  int PixelsPerInch() const override;

  Size TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;
  int DrawText(const std::string& text, Rect& rect, std::uint32_t flags) override;
  Size TabbedTextOut(int x, int y, const std::string& text, const std::vector<int>& stops,
                     int tab_origin) override;

  Size TabbedTextExtent(const std::string& text, const std::vector<int>& stops,
                        int tab_origin) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(const Rect& rect) override;
  void FillRect(const Rect& rect, Color color) override;
  void SetPixel(int x, int y, Color color) override;
  Color GetPixel(int x, int y) const override;
  void DrawEdge(const Rect& rect, std::uint32_t edge, std::uint32_t flags) override;
  void DrawFrameControl(const Rect& rect, std::uint32_t state) override;
  void DrawFocusRect(const Rect& rect) override;

  void PushClip(const Rect& rect) override;
  void PopClip() override;

  void DrawImage(const ImageList& list, int index, int x, int y, bool enabled) override;
  std::unique_ptr<Bitmap> CreateBitmap(int width, int height) override;
  void Draw(int x, int y, Bitmap& bitmap) override;
  void StretchDraw(const Rect& dest, Bitmap& bitmap) override;
  void DrawReplacingColor(int x, int y, Bitmap& bitmap, Color from, Color to) override;
  void DrawTransparent(int x, int y, Bitmap& bitmap, Color transparent) override;

 private:
  COLORREF Ref(Color color) const { return ResolveColor(color) & 0xFFFFFF; }
  // A solid brush of `color` for filling, null when none can be made.
  HBRUSH FillBrush(COLORREF color);
  // A memory DC holding a monochrome bitmap of at least w x h, null when none can be made.
  HDC MaskDc(int w, int h);

  struct FillBrushEntry {
    COLORREF color = 0;
    UniqueBrush brush;
  };
  static constexpr int kFillBrushes = 4;

  HDC dc_;
  FontCache* fonts_;
  Font font_;
  Color pen_color_ = clBlack;
  Color brush_color_ = clWhite;
  Color bk_color_ = clWhite;
  UniqueFont font_handle_;
  bool shared_font_ = false;  // the selected font is the cache's
  UniquePen pen_handle_;
  COLORREF pen_ref_ = 0;  // the colour of pen_handle_
  UniqueBrush brush_handle_;
  COLORREF brush_ref_ = 0;  // the colour of brush_handle_
  FillBrushEntry fill_brushes_[kFillBrushes];
  int next_fill_brush_ = 0;  // the entry a new colour replaces
  UniqueBitmap mask_;
  UniqueMemoryDc mask_dc_;  // holds mask_ while the canvas lives
  HGDIOBJ mask_dc_original_ = nullptr;
  int mask_width_ = 0;
  int mask_height_ = 0;
  HGDIOBJ original_font_ = nullptr;
  HGDIOBJ original_pen_ = nullptr;
  HGDIOBJ original_brush_ = nullptr;
  // The clip regions in force before each PushClip; an empty handle stands for "no clip".
  std::vector<UniqueRegion> saved_clips_;
};

// An off-screen bitmap: a 32-bit top-down DIB section selected into its own memory DC.
class GdiBitmap : public platform::Bitmap {
 public:
  GdiBitmap(int width, int height, FontCache* fonts = nullptr);
  ~GdiBitmap() override;
  GdiBitmap(const GdiBitmap&) = delete;
  GdiBitmap& operator=(const GdiBitmap&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetSize(int width, int height) override;
  Canvas& GetCanvas() override { return *canvas_; }
  HDC Dc() const { return dc_.Get(); }
  HBITMAP Handle() const { return bitmap_.Get(); }

 private:
  void Select(int width, int height);

  int width_ = 0;
  int height_ = 0;
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ original_bitmap_ = nullptr;
  std::unique_ptr<GdiCanvas> canvas_;
};

}  // namespace platform::win32
