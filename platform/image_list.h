#pragma once
// An image list of equally sized images (the window-icon list, section images). Lists are
// referenced by the controls that draw from them, never owned by them.
#include <vector>

#include "platform/color.h"
#include "platform/types.h"

namespace platform {

class ImageList {
 public:
  virtual ~ImageList() = default;

  virtual int Count() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Removes image `index`; the images behind it move down by one. False when out of range.
  virtual bool Delete(int index) = 0;
  // Index of the new image, -1 when nothing was added (a null or broken icon).
  virtual int AddIcon(IconHandle icon) = 0;
  // Adds an image of the list's size from `pixels` (row by row, red-green-blue); pixels of
  // colour `mask` are transparent. Index of the new image, -1 when nothing was added.
  virtual int AddMasked(const std::vector<Color>& pixels, Color mask) = 0;
  // The native list (an HIMAGELIST on Windows) that a canvas draws from; 0 for lists that
  // exist only in tests.
  virtual Handle NativeHandle() const { return 0; }
};

}  // namespace platform
