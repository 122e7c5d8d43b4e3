#include "app/refresh.h"

#include "browser/update_batch.h"

namespace app {

void Refresh::Tick() {
  parts_.source.Refill(parts_.processes);
  if (family_ == snapshot::Family::kNt) parts_.windows.EnumerateAppWindows();
  const browser::UpdateBatch left(parts_.left), detail(parts_.detail);
  if (family_ == snapshot::Family::kNt) {
    parts_.browser.SyncApplicationsSection({parts_.processes, parts_.windows});
    SyncProcesses();
  } else {
    SyncProcesses();
    parts_.windows.EnumerateAppWindows();
    parts_.windows.AttachWindowIcons();
    parts_.browser.SyncApplicationsSection({parts_.processes, parts_.windows});
  }
  RepaintChangedIcons();
}

void Refresh::RepaintChangedIcons() {
  // Rows keep their image index while the icon list is filled anew behind it.
  const std::vector<int>& changed = parts_.windows.ChangedImages();
  if (changed.empty()) return;
  parts_.left.RepaintImages(parts_.icons, changed);
  parts_.detail.RepaintImages(parts_.icons, changed);
}

void Refresh::SyncProcesses() {
  parts_.browser.PriorityLinesDue(parts_.processes, due_);
  snapshot::ReadPriorityClasses(parts_.kernel, parts_.processes.processes(), due_, priorities_);
  parts_.browser.SyncProcessesSection(parts_.processes, priorities_);
}

}  // namespace app
