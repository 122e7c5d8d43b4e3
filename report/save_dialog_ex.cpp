#include "report/save_dialog_ex.h"

namespace report {

bool TSaveDialogEx::Execute(platform::WindowHandle owner) {
  platform::SaveFileName request;
  request.owner = owner;
  request.filter = Filter;
  request.filter_index = static_cast<std::uint32_t>(FilterIndex);
  request.default_ext = DefaultExt;
  // The chosen folder must not become the current directory: the program's own files are
  // found from its path, and nothing else the process does should move with a save.
  request.flags = platform::kOfnHideReadOnly | platform::kOfnNoChangeDir;
  request.file_name = FileName;
  if (places_bar_known_) {
    request.struct_size = platform::kOpenFileNameSize2000;
    request.flags_ex = ShowPlacesBar ? 0 : platform::kOfnExNoPlacesBar;
  }
  if (!dialogs_.GetSaveFileName(request)) return false;
  FileName = request.file_name;
  return true;
}

}  // namespace report
