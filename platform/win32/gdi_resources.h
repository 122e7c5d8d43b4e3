#pragma once
// GDI pieces shared by the window host and the canvas: colour conversion, one cache of fonts,
// and scoped painting and object selection that undo themselves on every path.
#include "platform/win32/system_headers.h"

#include <map>
#include <tuple>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/win32/gui_handles.h"

namespace platform::win32 {

// A portable colour as a COLORREF, system colours resolved.
COLORREF ColorRefOf(platform::Color color);

// Fonts by face, size, style and orientation for one resolution, created once and kept for the
// cache's life. Windows and canvases select them; they never delete them.
class FontCache {
 public:
  explicit FontCache(int pixels_per_inch) : pixels_per_inch_(pixels_per_inch) {}
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // nullptr when the font cannot be created.
  HFONT Get(const platform::Font& font);
  int PixelsPerInch() const { return pixels_per_inch_; }

 private:
  using Key = std::tuple<std::string, int, std::uint32_t, int>;
  int pixels_per_inch_;
  std::map<Key, UniqueFont> fonts_;
};

// Creates a font the way the forms size them: points to pixels at `pixels_per_inch`.
HFONT CreateFontFor(const platform::Font& font, int pixels_per_inch);

// The off-screen surface paints are composed on, kept from paint to paint and grown as needed:
// making a memory DC asks the system for the display's layout each time, which some systems
// answer slowly.
class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // A memory DC compatible with `dc`, holding a bitmap of at least width x height, in its
  // state as made (undone by Release); nullptr when none can be made or it is taken already.
  HDC Take(HDC dc, int width, int height);
  void Release();

 private:
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap, selected back before ours goes
  int width_ = 0, height_ = 0;
  bool taken_ = false;
};

// BeginPaint/EndPaint of one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) {
    dc_ = ::BeginPaint(window_, &paint_);
    if (dc_) handle_count::Add(HandleKind::kWindowDc, 1);
  }
  ~PaintDc() {
    ::EndPaint(window_, &paint_);
    if (dc_) handle_count::Add(HandleKind::kWindowDc, -1);
  }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// GetDC/ReleaseDC of a window's client area.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {
    if (dc_) handle_count::Add(HandleKind::kWindowDc, 1);
  }
  ~WindowDc() {
    if (!dc_) return;
    ::ReleaseDC(window_, dc_);
    handle_count::Add(HandleKind::kWindowDc, -1);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC for one scope; the previous one is selected back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace platform::win32
