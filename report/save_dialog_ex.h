#pragma once
// The save-file dialog with a choice over the places bar, which only the Windows 2000 style
// dialog has: there the dialog is given the longer OPENFILENAME that carries the choice.
#include <string>

#include "platform/common_dialogs.h"
#include "platform/kernel.h"

namespace report {

class TSaveDialogEx {
 public:
  TSaveDialogEx(platform::Kernel& kernel, platform::CommonDialogs& dialogs)
      : kernel_(kernel), dialogs_(dialogs) {}

  std::string DefaultExt;
  std::string Filter;  // "Description|*.ext|..."
  int FilterIndex = 1;
  std::string FileName;
  bool ShowPlacesBar = false;

  // True when the user confirmed a name, which is then in FileName.
  bool Execute(platform::WindowHandle owner);

 private:
  platform::Kernel& kernel_;
  platform::CommonDialogs& dialogs_;
};

}  // namespace report
