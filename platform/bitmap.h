#pragma once
// An off-screen bitmap with a canvas to draw into it. Bitmaps are created by a canvas
// (Canvas::CreateBitmap) so that they match the device they will be copied onto.
namespace platform {

class Canvas;

class Bitmap {
 public:
  virtual ~Bitmap() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  // Resizes the bitmap; the pixels kept are unspecified, callers repaint it whole.
  virtual void SetSize(int width, int height) = 0;
  // The canvas that draws into this bitmap; it lives as long as the bitmap.
  virtual Canvas& GetCanvas() = 0;
};

}  // namespace platform
