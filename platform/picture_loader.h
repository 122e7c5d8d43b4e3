#pragma once
// Decodes pictures (bitmaps, icons, metafiles, GIF and JPEG; OleLoadPicture on Windows) into
// bitmaps drawn through a canvas.
#include <memory>
#include <string>

#include "platform/bitmap.h"

namespace platform {

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // The program's own raw-data resource `name`; nullptr when absent or undecodable.
  virtual std::unique_ptr<Bitmap> LoadResource(const std::string& name) = 0;
  // The picture file at `path`; nullptr when unreadable or undecodable.
  virtual std::unique_ptr<Bitmap> LoadFile(const std::string& path) = 0;
};

}  // namespace platform
