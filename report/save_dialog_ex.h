#pragma once
// The save-file dialog with a choice over the places bar, which only the Windows 2000 style
// dialog has: there the dialog is given the longer OPENFILENAME that carries the choice.
#include <string>

#include "platform/common_dialogs.h"

namespace report {

class TSaveDialogEx {
 public:
  // `places_bar_known`: the system's dialog has the places bar (NT 5 and later).
  TSaveDialogEx(platform::CommonDialogs& dialogs, bool places_bar_known)
      : dialogs_(dialogs), places_bar_known_(places_bar_known) {}

  std::string DefaultExt;
  std::string Filter;  // "Description|*.ext|..."
  int FilterIndex = 1;
  std::string FileName;
  bool ShowPlacesBar = false;

  // True when the user confirmed a name, which is then in FileName.
  bool Execute(platform::WindowHandle owner);

 private:
  platform::CommonDialogs& dialogs_;
  bool places_bar_known_;
};

}  // namespace report
