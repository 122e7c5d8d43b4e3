#pragma once
// The save-file and print dialogs of comdlg32, and the printer device context the print dialog
// returns.
#include <windows.h>

#include "platform/common_dialogs.h"

namespace platform::win32 {

class Win32CommonDialogs : public platform::CommonDialogs {
 public:
  bool GetSaveFileNameA(platform::SaveFileName& request) override;
  std::unique_ptr<platform::PrinterDevice> PrintDlgA(platform::WindowHandle owner) override;
};

}  // namespace platform::win32
