#pragma once
// A printer device context: a document of pages drawn through a canvas. The device is released
// when the object goes; a document left open is aborted then.
#include <string>

#include "platform/canvas.h"

namespace platform {

// GetDeviceCaps indexes.
constexpr int kHorzRes = 8;
constexpr int kVertRes = 10;
constexpr int kLogPixelsY = 90;

class PrinterDevice {
 public:
  virtual ~PrinterDevice() = default;
  // StartDoc with the document's name; false on failure.
  virtual bool StartDoc(const std::string& name) = 0;
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDoc() = 0;
  virtual int GetDeviceCaps(int index) = 0;
  // The page's canvas, in device pixels; fonts are sized for the printer's resolution.
  virtual Canvas& PageCanvas() = 0;
};

}  // namespace platform
