#pragma once
// One refresh tick, for either family: the family's process source refills the snapshot, the
// window list is taken, and both lists are brought in step inside one update batch each, so
// each repaints once, rows whose window icon changed included. The priorities the process sync
// writes are read before it edits a list: the sync works on plain lists and never reaches the
// system in the middle of an edit.
#include <cstddef>
#include <vector>

#include "browser/process_browser.h"
#include "controls/section_list/box.h"
#include "platform/image_list.h"
#include "platform/kernel.h"
#include "snapshot/app_windows.h"
#include "snapshot/family.h"
#include "snapshot/process_priorities.h"
#include "snapshot/process_snapshot.h"
#include "snapshot/process_source.h"

namespace app {

class Refresh {
 public:
  // Everything a tick reads and writes; every reference outlives the refresh.
  struct Parts {
    snapshot::ProcessSource& source;
    snapshot::ProcessSnapshot& processes;
    snapshot::AppWindowList& windows;
    browser::ProcessBrowser& browser;
    controls::TSectionListBox& left;
    controls::TSectionListBox& detail;
    platform::Kernel& kernel;
    platform::ImageList& icons;  // the window icons both lists show
  };

  Refresh(snapshot::Family family, Parts parts) : family_(family), parts_(parts) {}

  // NT lists the windows before either list is brought in step; 9x brings the processes in
  // step first, then lists the windows and attaches their icons.
  void Tick();

 private:
  void SyncProcesses();
  // The rows whose icon the tick's window list replaced show the new one.
  void RepaintChangedIcons();

  snapshot::Family family_;
  Parts parts_;
  // Kept from tick to tick so that a tick allocates nothing.
  std::vector<std::size_t> due_;
  snapshot::PriorityClasses priorities_;
};

}  // namespace app
