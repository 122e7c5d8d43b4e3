#include "platform/win32/gdi_canvas.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/image_list.h"
#include "platform/win32/text_boundary.h"

namespace platform::win32 {

namespace {

RECT ToRect(const Rect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

// The GDI bitmap behind a portable bitmap; bitmaps here are always made by a GDI canvas.
GdiBitmap* GdiOf(Bitmap& bitmap) {
  return dynamic_cast<GdiBitmap*>(&bitmap);
}

HIMAGELIST ImageListOf(const ImageList& list) {
  if (auto* own = dynamic_cast<const Win32ImageList*>(&list)) return own->Handle();
  return ToHandle<HIMAGELIST>(list.NativeHandle());
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, FontCache* fonts) : dc_(dc), fonts_(fonts) {
  SetFont(font_);
  ::SetBkColor(dc_, Ref(bk_color_));
}

GdiCanvas::~GdiCanvas() {
  while (!saved_clips_.empty()) PopClip();
  if (original_font_) ::SelectObject(dc_, original_font_);
  if (original_pen_) ::SelectObject(dc_, original_pen_);
  if (original_brush_) ::SelectObject(dc_, original_brush_);
  if (mask_dc_original_) ::SelectObject(mask_dc_.Get(), mask_dc_original_);
}

void GdiCanvas::SetFont(const Font& font) {
  // Layout code sets the font for every run; only a new face, size or style needs a new HFONT.
  const bool same_face = (font_handle_ || shared_font_) && font.name == font_.name &&
                         font.size == font_.size && font.style == font_.style &&
                         font.orientation == font_.orientation;
  font_ = font;
  if (same_face) {
    ::SetTextColor(dc_, Ref(font.color));
    return;
  }
  if (fonts_) {
    if (HFONT shared = fonts_->Get(font)) {
      HGDIOBJ previous = ::SelectObject(dc_, shared);
      if (!original_font_) original_font_ = previous;
      font_handle_.Reset();  // an own font of earlier is deselected now
      shared_font_ = true;
    }
    ::SetTextColor(dc_, Ref(font.color));
    return;
  }
  UniqueFont created(CreateFontFor(font, ::GetDeviceCaps(dc_, LOGPIXELSY)));
  if (created) {
    HGDIOBJ previous = ::SelectObject(dc_, created.Get());
    if (!original_font_) original_font_ = previous;
    shared_font_ = false;
    font_handle_ = std::move(created);  // the old font is deselected now, so it may go
  }
  ::SetTextColor(dc_, Ref(font.color));
}

void GdiCanvas::SetPenColor(Color color) {
  pen_color_ = color;
  // Painting sets the pen before every line; only another colour needs another pen.
  const COLORREF ref = Ref(color);
  if (pen_handle_ && ref == pen_ref_) return;
  UniquePen created(::CreatePen(PS_SOLID, 1, ref));
  if (!created) return;
  HGDIOBJ previous = ::SelectObject(dc_, created.Get());
  if (!original_pen_) original_pen_ = previous;
  pen_handle_ = std::move(created);  // the old pen is deselected now, so it may go
  pen_ref_ = ref;
}

void GdiCanvas::SetBrushColor(Color color) {
  brush_color_ = color;
  const COLORREF ref = Ref(color);
  if (brush_handle_ && ref == brush_ref_) return;
  UniqueBrush created(::CreateSolidBrush(ref));
  if (!created) return;
  HGDIOBJ previous = ::SelectObject(dc_, created.Get());
  if (!original_brush_) original_brush_ = previous;
  brush_handle_ = std::move(created);
  brush_ref_ = ref;
}

HBRUSH GdiCanvas::FillBrush(COLORREF color) {
  // A row fills with the same few colours again and again: the last few brushes are kept.
  for (FillBrushEntry& entry : fill_brushes_)
    if (entry.brush && entry.color == color) return entry.brush.Get();
  UniqueBrush created(::CreateSolidBrush(color));
  if (!created) return nullptr;
  FillBrushEntry& entry = fill_brushes_[next_fill_brush_];
  next_fill_brush_ = (next_fill_brush_ + 1) % kFillBrushes;
  entry.brush = std::move(created);
  entry.color = color;
  return entry.brush.Get();
}

HDC GdiCanvas::MaskDc(int w, int h) {
  if (!mask_dc_) mask_dc_.Reset(::CreateCompatibleDC(dc_));
  if (!mask_dc_) return nullptr;
  // A larger mask serves: the copies read only its top-left w x h.
  if (mask_ && w <= mask_width_ && h <= mask_height_) return mask_dc_.Get();
  UniqueBitmap created(
      ::CreateBitmap(std::max(w, mask_width_), std::max(h, mask_height_), 1, 1, nullptr));
  if (!created) return nullptr;
  HGDIOBJ previous = ::SelectObject(mask_dc_.Get(), created.Get());
  if (!mask_dc_original_) mask_dc_original_ = previous;
  mask_ = std::move(created);  // the old mask is deselected now, so it may go
  mask_width_ = std::max(w, mask_width_);
  mask_height_ = std::max(h, mask_height_);
  return mask_dc_.Get();
}

void GdiCanvas::SetBkMode(BkMode mode) {
  ::SetBkMode(dc_, mode == BkMode::kTransparent ? TRANSPARENT : OPAQUE);
}

BkMode GdiCanvas::GetBkMode() const {
  return ::GetBkMode(dc_) == TRANSPARENT ? BkMode::kTransparent : BkMode::kOpaque;
}

void GdiCanvas::SetBkColor(Color color) {
  bk_color_ = color;
  ::SetBkColor(dc_, Ref(color));
}

Color GdiCanvas::ResolveColor(Color color) const {
  return IsSystemColor(color) ? ::GetSysColor(SystemColorIndex(color)) : color;
}

int GdiCanvas::PixelsPerInch() const {
  return ::GetDeviceCaps(dc_, LOGPIXELSY);
}

Size GdiCanvas::TextExtent(const std::string& text) {
  SIZE size{0, 0};
  if (const auto measure = RV_WIDE("gdi32.dll", GetTextExtentPoint32W)) {
    const std::wstring wide = WideFromUtf8(text);
    measure(dc_, wide.data(), static_cast<int>(wide.size()), &size);
  } else {
    const std::string ansi = AnsiFromUtf8(text);
    ::GetTextExtentPoint32A(dc_, ansi.data(), static_cast<int>(ansi.size()), &size);
  }
  return {size.cx, size.cy};
}

void GdiCanvas::TextOut(int x, int y, const std::string& text) {
  if (const auto out = RV_WIDE("gdi32.dll", TextOutW)) {
    const std::wstring wide = WideFromUtf8(text);
    out(dc_, x, y, wide.data(), static_cast<int>(wide.size()));
  } else {
    const std::string ansi = AnsiFromUtf8(text);
    ::TextOutA(dc_, x, y, ansi.data(), static_cast<int>(ansi.size()));
  }
}

int GdiCanvas::DrawText(const std::string& text, Rect& rect, std::uint32_t flags) {
  RECT r = ToRect(rect);
  int height;
  if (const auto draw = RV_WIDE("user32.dll", DrawTextW)) {
    std::wstring wide = WideFromUtf8(text);
    height = draw(dc_, wide.data(), static_cast<int>(wide.size()), &r, flags);
  } else {
    std::string ansi = AnsiFromUtf8(text);
    height = ::DrawTextA(dc_, ansi.data(), static_cast<int>(ansi.size()), &r, flags);
  }
  if (flags & kDtCalcRect) rect = {r.left, r.top, r.right, r.bottom};
  return height;
}

Size GdiCanvas::TabbedTextOut(int x, int y, const std::string& text, const std::vector<int>& stops,
                              int tab_origin) {
  std::vector<INT> positions(stops.begin(), stops.end());
  const int count = static_cast<int>(positions.size());
  INT* const at = positions.empty() ? nullptr : positions.data();
  LONG extent;
  if (const auto out = RV_WIDE("user32.dll", TabbedTextOutW)) {
    const std::wstring wide = WideFromUtf8(text);
    extent = out(dc_, x, y, wide.data(), static_cast<int>(wide.size()), count, at, tab_origin);
  } else {
    const std::string ansi = AnsiFromUtf8(text);
    extent = ::TabbedTextOutA(dc_, x, y, ansi.data(), static_cast<int>(ansi.size()), count, at,
                              tab_origin);
  }
  return {LOWORD(extent), HIWORD(extent)};
}

Size GdiCanvas::TabbedTextExtent(const std::string& text, const std::vector<int>& stops,
                                 int tab_origin) {
  // The stops are counted from the text's start; a tab origin left of it moves them right.
  std::vector<INT> positions;
  positions.reserve(stops.size());
  for (int stop : stops) positions.push_back(stop < 0 ? stop + tab_origin : stop - tab_origin);
  const int count = static_cast<int>(positions.size());
  INT* const at = positions.empty() ? nullptr : positions.data();
  DWORD extent;
  if (const auto measure = RV_WIDE("user32.dll", GetTabbedTextExtentW)) {
    const std::wstring wide = WideFromUtf8(text);
    extent = measure(dc_, wide.data(), static_cast<int>(wide.size()), count, at);
  } else {
    const std::string ansi = AnsiFromUtf8(text);
    extent = ::GetTabbedTextExtentA(dc_, ansi.data(), static_cast<int>(ansi.size()), count, at);
  }
  return {LOWORD(extent), HIWORD(extent)};
}

void GdiCanvas::MoveTo(int x, int y) {
  ::MoveToEx(dc_, x, y, nullptr);
}

void GdiCanvas::LineTo(int x, int y) {
  ::LineTo(dc_, x, y);
}

void GdiCanvas::Rectangle(const Rect& rect) {
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiCanvas::FillRect(const Rect& rect, Color color) {
  const RECT r = ToRect(rect);
  if (HBRUSH brush = FillBrush(Ref(color))) ::FillRect(dc_, &r, brush);
}

void GdiCanvas::SetPixel(int x, int y, Color color) {
  ::SetPixelV(dc_, x, y, Ref(color));
}

Color GdiCanvas::GetPixel(int x, int y) const {
  return ::GetPixel(dc_, x, y);
}

void GdiCanvas::DrawEdge(const Rect& rect, std::uint32_t edge, std::uint32_t flags) {
  RECT r = ToRect(rect);
  ::DrawEdge(dc_, &r, edge, flags);
}

void GdiCanvas::DrawFrameControl(const Rect& rect, std::uint32_t state) {
  RECT r = ToRect(rect);
  ::DrawFrameControl(dc_, &r, DFC_BUTTON, state);
}

void GdiCanvas::DrawFocusRect(const Rect& rect) {
  const RECT r = ToRect(rect);
  ::DrawFocusRect(dc_, &r);
}

void GdiCanvas::PushClip(const Rect& rect) {
  UniqueRegion saved(::CreateRectRgn(0, 0, 0, 0));
  // GetClipRgn answers 0 when the DC has no clip region: remember that as an empty handle.
  if (saved && ::GetClipRgn(dc_, saved.Get()) != 1) saved.Reset();
  saved_clips_.push_back(std::move(saved));
  ::IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiCanvas::PopClip() {
  if (saved_clips_.empty()) return;
  ::SelectClipRgn(dc_, saved_clips_.back().Get());
  saved_clips_.pop_back();
}

void GdiCanvas::DrawImage(const ImageList& list, int index, int x, int y, bool enabled) {
  if (HIMAGELIST handle = ImageListOf(list))
    ::ImageList_Draw(handle, index, dc_, x, y,
                     enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
}

std::unique_ptr<Bitmap> GdiCanvas::CreateBitmap(int width, int height) {
  return std::make_unique<GdiBitmap>(width, height, fonts_);
}

void GdiCanvas::Draw(int x, int y, Bitmap& bitmap) {
  if (GdiBitmap* source = GdiOf(bitmap))
    ::BitBlt(dc_, x, y, source->Width(), source->Height(), source->Dc(), 0, 0, SRCCOPY);
}

void GdiCanvas::StretchDraw(const Rect& dest, Bitmap& bitmap) {
  if (GdiBitmap* source = GdiOf(bitmap))
    ::StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source->Dc(), 0, 0,
                 source->Width(), source->Height(), SRCCOPY);
}

void GdiCanvas::DrawReplacingColor(int x, int y, Bitmap& bitmap, Color from, Color to) {
  GdiBitmap* source = GdiOf(bitmap);
  if (!source) return;
  // The replacement colour goes underneath; the copy leaves `from` pixels out so it shows.
  FillRect(RectOfSize(x, y, source->Width(), source->Height()), to);
  DrawTransparent(x, y, bitmap, from);
}

void GdiCanvas::DrawTransparent(int x, int y, Bitmap& bitmap, Color transparent) {
  GdiBitmap* source = GdiOf(bitmap);
  if (!source || source->Empty()) return;
  const int w = source->Width();
  const int h = source->Height();
  // A masked copy that every Windows version has: a monochrome mask, white where the source
  // holds the transparent colour, then XOR, AND with the mask, XOR. Where the mask is white the
  // two XORs cancel and the destination stays; elsewhere the AND clears it and the source lands.
  HDC mask = MaskDc(w, h);
  if (!mask) return;
  const COLORREF source_background = ::SetBkColor(source->Dc(), Ref(transparent));
  ::BitBlt(mask, 0, 0, w, h, source->Dc(), 0, 0, SRCCOPY);
  ::SetBkColor(source->Dc(), source_background);
  // A monochrome source blits as the destination's text colour (0) and background colour (1).
  const COLORREF text = ::SetTextColor(dc_, RGB(0, 0, 0));
  const COLORREF background = ::SetBkColor(dc_, RGB(255, 255, 255));
  ::BitBlt(dc_, x, y, w, h, source->Dc(), 0, 0, SRCINVERT);
  ::BitBlt(dc_, x, y, w, h, mask, 0, 0, SRCAND);
  ::BitBlt(dc_, x, y, w, h, source->Dc(), 0, 0, SRCINVERT);
  ::SetTextColor(dc_, text);
  ::SetBkColor(dc_, background);
}

GdiBitmap::GdiBitmap(int width, int height, FontCache* fonts) : dc_(::CreateCompatibleDC(nullptr)) {
  Select(width, height);
  canvas_ = std::make_unique<GdiCanvas>(dc_.Get(), fonts);
}

GdiBitmap::~GdiBitmap() {
  canvas_.reset();
  if (original_bitmap_) ::SelectObject(dc_.Get(), original_bitmap_);
}

void GdiBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  Select(width, height);
}

void GdiBitmap::Select(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width > 0 ? width : 1;
  info.bmiHeader.biHeight = -(height > 0 ? height : 1);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap created(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!created) return;
  HGDIOBJ previous = ::SelectObject(dc_.Get(), created.Get());
  if (!original_bitmap_) original_bitmap_ = previous;
  bitmap_ = std::move(created);
  width_ = width > 0 ? width : 0;
  height_ = height > 0 ? height : 0;
}

}  // namespace platform::win32
