#pragma once
// The window-icon image list: 16 x 16, 32-bit colour with a mask. Owns its HIMAGELIST.
#include "platform/win32/system_headers.h"
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "platform/image_list.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

struct ImageListTraits {
  using Value = HIMAGELIST;
  static constexpr HandleKind kKind = HandleKind::kImageList;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::ImageList_Destroy(h); }
};

class Win32ImageList : public platform::ImageList {
 public:
  Win32ImageList(int width = 16, int height = 16);

  // For the GDI canvas, which draws from the list; 0 when creation failed.
  HIMAGELIST Handle() const { return list_.Get(); }

  int Count() const override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Delete(int index) override;
  int AddIcon(IconHandle icon) override;
  int AddMasked(const std::vector<Color>& pixels, Color mask) override;
  platform::Handle NativeHandle() const override {
    return reinterpret_cast<platform::Handle>(list_.Get());
  }

 private:
  int width_;
  int height_;
  UniqueHandle<ImageListTraits> list_;
};

}  // namespace platform::win32
