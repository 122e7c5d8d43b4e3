// The refresh: the left list's two sections, and the detail list while it shows one of them,
// brought in step with this tick's window and process lists by in-place edits.
#include "browser/process_browser.h"

namespace browser {

void ProcessBrowser::SyncApplicationsSection() {
  const bool shows_apps = detail_shows_ == DetailContent::kApplications;
  controls::TListSection& apps = left_.Sections().Item(0);
  const auto& windows = windows_.windows();
  // Adding: each title as often as windows carry it; counts are taken afresh for every entry.
  for (const snapshot::appinfos& entry : windows) {
    const std::string caption = CaptionOf(entry.title);
    if (CountSubItemsEqual(apps, caption) >= windows_.CountAppWindowsWithTitle(entry.title))
      continue;
    const int added = apps.SubItems().Add(caption);
    apps.SetSubItemImageIndex(added, static_cast<std::int16_t>(entry.image_index));
    if (shows_apps) AddApplicationSection(caption, entry.image_index);
  }
  // Removing: passes over the sub-items, each deleting those of a title held too often; the
  // sub-item that moves into a deleted position waits for the next pass.
  bool deleted = true;
  while (deleted && apps.SubItems().Count() > static_cast<int>(windows.size())) {
    deleted = false;
    for (int i = 0; i <= apps.SubItems().Count() - 1; ++i) {
      const std::string caption = apps.SubItems().Strings(i);
      if (CountSubItemsEqual(apps, caption) <=
          windows_.CountAppWindowsWithTitle(TextOfCaption(caption)))
        continue;
      apps.SubItems().Delete(i);
      if (shows_apps && i + 1 < detail_.Sections().Count()) detail_.Sections().Delete(i + 1);
      deleted = true;
    }
  }
}

void ProcessBrowser::RefreshProcessLines(controls::TListSection& section,
                                         const snapshot::processinfos& process) {
  constexpr int kPriorityLine = 3;
  const std::string fresh[] = {PriorityLine(Texts(), PriorityText(process.id)),
                               UserTimeLine(Texts(), process.user_time),
                               KernelTimeLine(Texts(), process.kernel_time)};
  for (int k = 0; k < 3; ++k) {
    const int line = kPriorityLine + k;
    // Only a line that reads differently is written: an unchanged one repaints nothing.
    if (line < section.SubItems().Count() && section.SubItems().Strings(line) != fresh[k])
      section.SubItems().SetString(line, fresh[k]);
  }
}

void ProcessBrowser::SyncProcessesSection() {
  const bool shows_procs = detail_shows_ == DetailContent::kProcesses;
  controls::TListSection& procs = left_.Sections().Item(1);
  controls::TSectionListStrings& names = procs.SubItems();
  const auto& records = processes_.processes();
  // Detail section k + 1 stands for left entry k: both are edited together below.
  auto detail_section = [&](int i) -> controls::TListSection* {
    return shows_procs && i + 1 < detail_.Sections().Count() ? &detail_.Sections().Item(i + 1)
                                                             : nullptr;
  };
  for (int i = 0; i < static_cast<int>(records.size()); ++i) {
    const snapshot::processinfos& record = records[static_cast<std::size_t>(i)];
    const std::string caption = CaptionOf(record.name);
    const controls::TItemKey key = KeyOf(snapshot::IdentityOf(record));
    if (i >= names.Count()) {
      procs.SetSubItemImageIndex(names.Add(caption, key), 0);
      if (shows_procs) {
        controls::TListSection& section = detail_.Sections().Add();
        section.SetImageIndex(0);
        FillProcessSection(section, record);
      }
      continue;
    }
    // Another process at this place, even one of the same name, gets its lines anew, so a
    // section never shows one process's name with another's path or id.
    if (names.Strings(i) != caption || names.Item(i).key != key) {
      names.Delete(i);
      names.Insert(i, caption, key);
      if (controls::TListSection* section = detail_section(i)) FillProcessSection(*section, record);
    } else if (controls::TListSection* section = detail_section(i);
               section && section->State() == controls::lssExpanded) {
      RefreshProcessLines(*section, record);
    }
  }
  for (int k = names.Count() - 1; k >= static_cast<int>(records.size()); --k) {
    names.Delete(k);
    if (shows_procs && k + 1 < detail_.Sections().Count()) detail_.Sections().Delete(k + 1);
  }
}

}  // namespace browser
