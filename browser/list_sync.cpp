// The refresh: the left list's two sections, and the detail list while it shows one of them,
// brought in step with this tick's window and process lists by in-place edits.
#include "browser/process_browser.h"

namespace browser {

void ProcessBrowser::SyncApplicationsSection(bool shows_apps) {
  controls::TListSection& apps = left_.Sections().Item(0);
  const auto& windows = windows_.windows();
  // Adding: each title as often as windows carry it; counts are taken afresh for every entry.
  for (const snapshot::appinfos& entry : windows) {
    if (CountSubItemsEqual(apps, entry.title) >= windows_.CountAppWindowsWithTitle(entry.title))
      continue;
    const int added = apps.SubItems().Add(entry.title);
    apps.SetSubItemImageIndex(added, static_cast<std::int16_t>(entry.image_index));
    if (shows_apps) AddApplicationSection(entry.title, entry.image_index);
  }
  // Removing: passes over the sub-items, each deleting those of a title held too often; the
  // sub-item that moves into a deleted position waits for the next pass.
  bool deleted = true;
  while (deleted && apps.SubItems().Count() > static_cast<int>(windows.size())) {
    deleted = false;
    for (int i = 0; i <= apps.SubItems().Count() - 1; ++i) {
      const std::string title = apps.SubItems().Strings(i);
      if (CountSubItemsEqual(apps, title) <= windows_.CountAppWindowsWithTitle(title)) continue;
      apps.SubItems().Delete(i);
      if (shows_apps && i + 1 < detail_.Sections().Count()) detail_.Sections().Delete(i + 1);
      deleted = true;
    }
  }
}

void ProcessBrowser::RefreshProcessLines(controls::TListSection& section,
                                         const snapshot::processinfos& process) {
  constexpr int kPriorityLine = 3;
  const CpuTimes times = ReadProcessTimes(platform_.kernel, process.id);
  const std::string fresh[] = {PriorityLine(Texts(), process), UserTimeLine(Texts(), times.user),
                               KernelTimeLine(Texts(), times.kernel)};
  for (int k = 0; k < 3; ++k) {
    const int line = kPriorityLine + k;
    // Only a line that reads differently is written: an unchanged one repaints nothing.
    if (line < section.SubItems().Count() && section.SubItems().Strings(line) != fresh[k])
      section.SubItems().SetString(line, fresh[k]);
  }
}

void ProcessBrowser::SyncProcessesSection(bool shows_procs) {
  controls::TListSection& procs = left_.Sections().Item(1);
  controls::TSectionListStrings& names = procs.SubItems();
  const auto& records = processes_.processes();
  shown_ids_.resize(static_cast<std::size_t>(names.Count()));
  auto detail_section = [&](int i) -> controls::TListSection* {
    return shows_procs && i + 1 < detail_.Sections().Count() ? &detail_.Sections().Item(i + 1)
                                                             : nullptr;
  };
  for (int i = 0; i < static_cast<int>(records.size()); ++i) {
    const snapshot::processinfos& record = records[static_cast<std::size_t>(i)];
    if (i >= names.Count()) {
      procs.SetSubItemImageIndex(names.Add(record.name), 0);
      shown_ids_.push_back(record.id);
      if (shows_procs) {
        controls::TListSection& section = detail_.Sections().Add();
        section.SetCaption(record.name);
        section.SetImageIndex(0);
        AddProcessLines(section, record);
      }
      continue;
    }
    // Another process at this place, even one of the same name, gets its lines anew, so a
    // section never shows one process's name with another's path or id.
    const std::size_t at = static_cast<std::size_t>(i);
    if (names.Strings(i) != record.name || shown_ids_[at] != record.id) {
      names.Delete(i);
      names.Insert(i, record.name);
      shown_ids_[at] = record.id;
      if (controls::TListSection* section = detail_section(i)) {
        section->SetCaption(record.name);
        section->SubItems().Clear();
        AddProcessLines(*section, record);
      }
    } else if (controls::TListSection* section = detail_section(i);
               section && section->State() == controls::lssExpanded) {
      RefreshProcessLines(*section, record);
    }
  }
  for (int k = names.Count() - 1; k >= static_cast<int>(records.size()); --k) {
    names.Delete(k);
    shown_ids_.pop_back();
    if (shows_procs && k + 1 < detail_.Sections().Count()) detail_.Sections().Delete(k + 1);
  }
}

}  // namespace browser
