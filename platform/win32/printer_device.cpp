#include "platform/win32/printer_device.h"

#include "platform/win32/text_boundary.h"

namespace platform::win32 {

Win32PrinterDevice::~Win32PrinterDevice() {
  if (document_open_) ::AbortDoc(dc_);
}

bool Win32PrinterDevice::StartDoc(const std::string& name) {
  if (const auto start = RV_WIDE("gdi32.dll", StartDocW)) {
    const std::wstring wide = WideFromUtf8(name);
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = wide.c_str();
    document_open_ = start(dc_, &info) > 0;
  } else {
    const std::string ansi = AnsiFromUtf8(name);
    DOCINFOA info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = ansi.c_str();
    document_open_ = ::StartDocA(dc_, &info) > 0;
  }
  return document_open_;
}

bool Win32PrinterDevice::EndDoc() {
  document_open_ = false;
  return ::EndDoc(dc_) > 0;
}

}  // namespace platform::win32
