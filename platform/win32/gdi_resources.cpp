#include "platform/win32/gdi_resources.h"

#include <algorithm>
#include <utility>

namespace platform::win32 {

COLORREF ColorRefOf(platform::Color color) {
  if (platform::IsSystemColor(color)) return ::GetSysColor(platform::SystemColorIndex(color));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

HFONT CreateFontFor(const platform::Font& font, int pixels_per_inch) {
  // Negative height: the character height, as point sizes are meant.
  const int height = font.size == 0 ? 0 : -::MulDiv(font.size, pixels_per_inch, 72);
  return ::CreateFontA(height, 0, font.orientation, font.orientation,
                       font.Has(platform::kFontBold) ? FW_BOLD : FW_NORMAL,
                       font.Has(platform::kFontItalic), font.Has(platform::kFontUnderline),
                       font.Has(platform::kFontStrikeOut), DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       font.name.c_str());
}

HFONT FontCache::Get(const platform::Font& font) {
  Key key{font.name, font.size, font.style, font.orientation};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    UniqueFont created(CreateFontFor(font, pixels_per_inch_));
    if (!created) return nullptr;
    it = fonts_.emplace(std::move(key), std::move(created)).first;
  }
  return it->second.Get();
}

BackBuffer::~BackBuffer() {
  if (dc_ && original_) ::SelectObject(dc_.Get(), original_);
}

HDC BackBuffer::Take(HDC dc, int width, int height) {
  if (taken_) return nullptr;
  if (!dc_) dc_.Reset(::CreateCompatibleDC(dc));
  if (!dc_) return nullptr;
  if (!bitmap_ || width > width_ || height > height_) {
    UniqueBitmap grown(
        ::CreateCompatibleBitmap(dc, std::max(width, width_), std::max(height, height_)));
    if (!grown) return nullptr;
    HGDIOBJ previous = ::SelectObject(dc_.Get(), grown.Get());
    if (!original_) original_ = previous;
    bitmap_ = std::move(grown);  // the smaller one is deselected now, so it may go
    width_ = std::max(width, width_);
    height_ = std::max(height, height_);
  }
  if (!::SaveDC(dc_.Get())) return nullptr;
  taken_ = true;
  return dc_.Get();
}

void BackBuffer::Release() {
  if (!taken_) return;
  ::RestoreDC(dc_.Get(), -1);
  taken_ = false;
}

}  // namespace platform::win32
