#pragma once
// A printer device context: owned here, deleted when the device goes, its document aborted
// first when it was left open.
#include "platform/win32/system_headers.h"

#include "platform/printing.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gui_handles.h"

namespace platform::win32 {

class Win32PrinterDevice : public platform::PrinterDevice {
 public:
  explicit Win32PrinterDevice(HDC dc) : dc_(dc), canvas_(dc) {}
  ~Win32PrinterDevice() override;
  Win32PrinterDevice(const Win32PrinterDevice&) = delete;
  Win32PrinterDevice& operator=(const Win32PrinterDevice&) = delete;

  bool StartDoc(const std::string& name) override;
  bool StartPage() override { return ::StartPage(dc_) > 0; }
  bool EndPage() override { return ::EndPage(dc_) > 0; }
  bool EndDoc() override;
  int GetDeviceCaps(int index) override { return ::GetDeviceCaps(dc_, index); }
  platform::Canvas& PageCanvas() override { return canvas_; }

 private:
  HDC dc_;
  // Before the canvas: the canvas gives the DC its objects back before the DC is deleted.
  UniquePrinterDc dc_owner_{dc_};
  GdiCanvas canvas_;
  bool document_open_ = false;
};

}  // namespace platform::win32
