#include "platform/win32/printer_device.h"

namespace platform::win32 {

Win32PrinterDevice::~Win32PrinterDevice() {
  if (document_open_) ::AbortDoc(dc_);
}

bool Win32PrinterDevice::StartDoc(const std::string& name) {
  DOCINFOA info{};
  info.cbSize = sizeof(info);
  info.lpszDocName = name.c_str();
  document_open_ = ::StartDocA(dc_, &info) > 0;
  return document_open_;
}

bool Win32PrinterDevice::EndDoc() {
  document_open_ = false;
  return ::EndDoc(dc_) > 0;
}

}  // namespace platform::win32
