#include "platform/win32/image_list.h"

#include "platform/win32/gui_handles.h"

namespace platform::win32 {

Win32ImageList::Win32ImageList(int width, int height)
    : width_(width),
      height_(height),
      list_(::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 8, 8)) {}

int Win32ImageList::Count() const {
  return list_ ? ::ImageList_GetImageCount(list_.Get()) : 0;
}

bool Win32ImageList::Delete(int index) {
  // ImageList_Remove takes -1 as "all"; an index out of range is refused here instead.
  if (!list_ || index < 0 || index >= Count()) return false;
  return ::ImageList_Remove(list_.Get(), index) != FALSE;
}

int Win32ImageList::AddIcon(IconHandle icon) {
  if (!list_ || icon == 0) return -1;
  return ::ImageList_AddIcon(list_.Get(), ToHandle<HICON>(icon));
}

int Win32ImageList::AddMasked(const std::vector<Color>& pixels, Color mask) {
  if (!list_ || pixels.size() != static_cast<std::size_t>(width_ * height_)) return -1;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return -1;
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Color c = pixels[i];  // 0x00BBGGRR to a DIB's 0x00RRGGBB
    out[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  return ::ImageList_AddMasked(list_.Get(), bitmap.Get(), static_cast<COLORREF>(mask & 0xFFFFFF));
}

}  // namespace platform::win32
