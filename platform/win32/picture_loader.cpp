#include "platform/win32/picture_loader.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_resources.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

template <typename T>
struct ComTraits {
  using Value = T*;
  static Value None() { return nullptr; }
  static void Close(Value p) { p->Release(); }
};

struct GlobalTraits {
  using Value = HGLOBAL;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::GlobalFree(h); }
};

// HIMETRIC (hundredths of a millimetre) to screen pixels.
int ToPixels(OLE_XSIZE_HIMETRIC himetric, int pixels_per_inch) {
  return ::MulDiv(himetric, pixels_per_inch, 2540);
}

std::unique_ptr<platform::Bitmap> Decode(const void* data, DWORD size) {
  if (!data || size == 0) return nullptr;
  UniqueHandle<GlobalTraits> memory(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!memory) return nullptr;
  void* copy = ::GlobalLock(memory.Get());
  if (!copy) return nullptr;
  std::memcpy(copy, data, size);
  ::GlobalUnlock(memory.Get());

  IStream* raw_stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(memory.Get(), TRUE, &raw_stream))) return nullptr;
  memory.Release();  // the stream frees it now
  UniqueHandle<ComTraits<IStream>> stream(raw_stream);

  IPicture* raw_picture = nullptr;
  if (FAILED(::OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&raw_picture))))
    return nullptr;
  UniqueHandle<ComTraits<IPicture>> picture(raw_picture);
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  if (FAILED(picture.Get()->get_Width(&width)) || FAILED(picture.Get()->get_Height(&height)))
    return nullptr;

  int w = 0, h = 0;
  {
    const WindowDc screen(nullptr);
    w = ToPixels(width, ::GetDeviceCaps(screen.Dc(), LOGPIXELSX));
    h = ToPixels(height, ::GetDeviceCaps(screen.Dc(), LOGPIXELSY));
  }
  if (w <= 0 || h <= 0) return nullptr;
  auto bitmap = std::make_unique<GdiBitmap>(w, h);
  // Pictures render bottom-up in HIMETRIC: start at the height and go up.
  if (FAILED(picture.Get()->Render(bitmap->Dc(), 0, 0, w, h, 0, height, width, -height, nullptr)))
    return nullptr;
  return bitmap;
}

}  // namespace

std::unique_ptr<platform::Bitmap> Win32PictureLoader::LoadResource(const std::string& name) {
  HRSRC info = ::FindResourceA(module_, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!info) return nullptr;
  HGLOBAL resource = ::LoadResource(module_, info);
  if (!resource) return nullptr;
  return Decode(::LockResource(resource), ::SizeofResource(module_, info));
}

std::unique_ptr<platform::Bitmap> Win32PictureLoader::LoadFile(const std::string& path) {
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return nullptr;
  const DWORD size = ::GetFileSize(file.Get(), nullptr);
  if (size == INVALID_FILE_SIZE || size == 0) return nullptr;
  std::vector<char> data(size);
  DWORD read = 0;
  if (!::ReadFile(file.Get(), data.data(), size, &read, nullptr) || read != size) return nullptr;
  return Decode(data.data(), size);
}

}  // namespace platform::win32
