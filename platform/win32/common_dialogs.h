#pragma once
// The save-file and print dialogs of comdlg32, and the printer device context the print dialog
// returns. comdlg32 is loaded when a dialog is first asked for, from the system directory: it
// brings the printing system with it, which a viewer that never prints need not carry.
#include "platform/win32/system_headers.h"

#include "platform/common_dialogs.h"
#include "platform/win32/kernel_handles.h"

namespace platform::win32 {

class Win32CommonDialogs : public platform::CommonDialogs {
 public:
  // False, or no printer, when comdlg32 cannot be loaded.
  bool GetSaveFileName(platform::SaveFileName& request) override;
  std::unique_ptr<platform::PrinterDevice> PrintDlg(platform::WindowHandle owner) override;

 private:
  FARPROC Entry(const char* name);

  UniqueModule comdlg32_;
  bool tried_ = false;
};

}  // namespace platform::win32
