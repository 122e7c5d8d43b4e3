#pragma once
// Pictures decoded by OleLoadPicture (bitmaps, icons, metafiles, GIF, JPEG) and rendered into
// off-screen GDI bitmaps at their natural size.
#include <windows.h>

#include "platform/picture_loader.h"

namespace platform::win32 {

class Win32PictureLoader : public platform::PictureLoader {
 public:
  // Resources come from `module` (nullptr: the program itself).
  explicit Win32PictureLoader(HMODULE module = nullptr) : module_(module) {}

  std::unique_ptr<platform::Bitmap> LoadResource(const std::string& name) override;
  std::unique_ptr<platform::Bitmap> LoadFile(const std::string& path) override;

 private:
  HMODULE module_;
};

}  // namespace platform::win32
