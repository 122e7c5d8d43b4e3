// The refresh: the left list's two sections, and the detail list while it shows one of them,
// brought in step with this tick's window and process lists by in-place edits. Each list is
// compared with the tick on its own, by what its rows carry; none is read to edit another.
#include "browser/process_browser.h"

namespace browser {

namespace {

// The rows that stand for application windows, by title: the sub-items of the left list's
// applications section, or the detail list's sections after its header.
class AppEntries {
 public:
  explicit AppEntries(controls::TListSection& section) : section_(section) {}
  int Count() const { return section_.SubItems().Count(); }
  const std::string& Caption(int i) const { return section_.SubItems().Item(i).text; }
  int CountEqual(const std::string& caption) const { return CountSubItemsEqual(section_, caption); }
  void Append(const std::string& caption, int image_index) {
    const int added = section_.SubItems().Add(caption);
    section_.SetSubItemImageIndex(added, static_cast<std::int16_t>(image_index));
  }
  void Delete(int i) { section_.SubItems().Delete(i); }

 private:
  controls::TListSection& section_;
};

class AppSections {
 public:
  AppSections(controls::TSectionListBox& detail,
              std::function<void(const std::string&, int)> add_section)
      : sections_(detail.Sections()), add_section_(std::move(add_section)) {}
  int Count() const { return sections_.Count() - 1; }
  const std::string& Caption(int i) const { return sections_.Item(i + 1).Caption(); }
  int CountEqual(const std::string& caption) const {
    int count = 0;
    for (int i = 0; i < Count(); ++i) count += Caption(i) == caption;
    return count;
  }
  void Append(const std::string& caption, int image_index) { add_section_(caption, image_index); }
  void Delete(int i) { sections_.Delete(i + 1); }

 private:
  controls::TListSectionCollection& sections_;
  std::function<void(const std::string&, int)> add_section_;
};

// Titles are a multiset: each is held as often as windows carry it. A new one is appended; one
// held too often loses its first rows; the others keep their place and image.
template <class Rows>
void SyncTitles(Rows& rows, const snapshot::AppWindowList& windows) {
  const std::vector<snapshot::appinfos>& listed = windows.windows();
  // Counts are taken afresh for every window, so k windows of one title end as k rows.
  for (const snapshot::appinfos& entry : listed) {
    const std::string caption = CaptionOf(entry.title);
    if (rows.CountEqual(caption) < windows.CountAppWindowsWithTitle(entry.title))
      rows.Append(caption, entry.image_index);
  }
  // Passes over the rows, each deleting those of a title held too often; the row that moves
  // into a deleted place waits for the next pass.
  bool deleted = true;
  while (deleted && rows.Count() > static_cast<int>(listed.size())) {
    deleted = false;
    for (int i = 0; i < rows.Count(); ++i) {
      const std::string caption = rows.Caption(i);
      if (rows.CountEqual(caption) <= windows.CountAppWindowsWithTitle(TextOfCaption(caption)))
        continue;
      rows.Delete(i);
      deleted = true;
    }
  }
}

// Whether a row already shows this process: the same name of the same process.
bool ShowsProcess(const std::string& caption, const controls::TItemKey& key,
                  const snapshot::processinfos& record) {
  return key == KeyOf(snapshot::IdentityOf(record)) && IsCaptionOf(caption, record.name);
}

// A path that came after its process was listed: the section that shows the process gets it
// on its path line. (A name that came with it has made the section another's, and rebuilt it.)
void ShowLatePath(controls::TListSection& section, const DetailTexts& texts,
                  const snapshot::processinfos& record) {
  constexpr int kPathLine = 1;
  const std::string line = ValueLine(texts.full_path, record.path);
  if (section.SubItems().Count() > kPathLine && section.SubItems().Strings(kPathLine) != line)
    section.SubItems().SetString(kPathLine, line);
}

}  // namespace

void ProcessBrowser::SyncApplicationsSection(const snapshot::AppWindowList& windows) {
  AppEntries entries(left_.Sections().Item(0));
  SyncTitles(entries, windows);
  if (detail_shows_ != DetailContent::kApplications) return;
  AppSections sections(detail_, [this](const std::string& caption, int image_index) {
    AddApplicationSection(caption, image_index);
  });
  SyncTitles(sections, windows);
}

void ProcessBrowser::SyncProcessesSection(const snapshot::ProcessSnapshot& processes) {
  SyncProcessEntries(processes.processes());
  if (detail_shows_ == DetailContent::kProcesses) SyncProcessSections(processes.processes());
}

// Entry i shows record i. Another process at a place, even one of the same name, replaces the
// entry there; the entries past the last record go.
void ProcessBrowser::SyncProcessEntries(const std::vector<snapshot::processinfos>& records) {
  controls::TListSection& section = left_.Sections().Item(1);
  controls::TSectionListStrings& entries = section.SubItems();
  const int count = static_cast<int>(records.size());
  for (int i = 0; i < count; ++i) {
    const snapshot::processinfos& record = records[static_cast<std::size_t>(i)];
    const controls::TItemKey key = KeyOf(snapshot::IdentityOf(record));
    if (i >= entries.Count()) {
      section.SetSubItemImageIndex(entries.Add(CaptionOf(record.name), key), 0);
    } else if (!ShowsProcess(entries.Item(i).text, entries.Item(i).key, record)) {
      entries.Delete(i);
      entries.Insert(i, CaptionOf(record.name), key);
    }
  }
  for (int k = entries.Count() - 1; k >= count; --k) entries.Delete(k);
}

// Section i + 1 shows record i. A section that shows another process gets its lines anew, so
// it never shows one process's name with another's path or id; an expanded one that shows
// its own gets fresh priority and times.
void ProcessBrowser::SyncProcessSections(const std::vector<snapshot::processinfos>& records) {
  controls::TListSectionCollection& sections = detail_.Sections();
  const int count = static_cast<int>(records.size());
  for (int i = 0; i < count; ++i) {
    const snapshot::processinfos& record = records[static_cast<std::size_t>(i)];
    if (i + 1 >= sections.Count()) {
      controls::TListSection& added = sections.Add();
      added.SetImageIndex(0);
      FillProcessSection(added, record);
      continue;
    }
    controls::TListSection& section = sections.Item(i + 1);
    if (!ShowsProcess(section.Caption(), section.Key(), record))
      FillProcessSection(section, record);
    else if (section.State() == controls::lssExpanded)
      RefreshProcessLines(section, record);
    if (record.path_found) ShowLatePath(section, Texts(), record);
  }
  for (int k = sections.Count() - 1; k > count; --k) sections.Delete(k);
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

}  // namespace browser
