// The refresh: the left list's two sections, and the detail list while it shows one of them,
// brought in step with this tick's window and process lists by in-place edits. Each list is
// compared with the tick on its own, by what its rows carry; none is read to edit another.
#include "browser/process_browser.h"

#include <algorithm>

namespace browser {

namespace {

// The rows that stand for application windows, each with the window it was filled for: the
// sub-items of the left list's applications section, or the detail list's sections after its
// header.
class AppEntries {
 public:
  explicit AppEntries(controls::TListSection& section) : section_(section) {}
  int Count() const { return section_.SubItems().Count(); }
  const controls::TSubItem& Row(int i) const { return section_.SubItems().Item(i); }
  const std::string& Caption(int i) const { return Row(i).text; }
  const controls::TItemKey& Key(int i) const { return Row(i).key; }
  void Append(const std::string& caption, int image_index, const controls::TItemKey& key) {
    const int added = section_.SubItems().Add(caption, key);
    section_.SetSubItemImageIndex(added, static_cast<std::int16_t>(image_index));
  }
  void Delete(int i) { section_.SubItems().Delete(i); }

 private:
  controls::TListSection& section_;
};

class AppSections {
 public:
  using AddSection = std::function<void(const std::string&, int, const controls::TItemKey&)>;
  AppSections(controls::TSectionListBox& detail, AddSection add_section)
      : sections_(detail.Sections()), add_section_(std::move(add_section)) {}
  int Count() const { return sections_.Count() - 1; }
  const std::string& Caption(int i) const { return sections_.Item(i + 1).Caption(); }
  const controls::TItemKey& Key(int i) const { return sections_.Item(i + 1).Key(); }
  void Append(const std::string& caption, int image_index, const controls::TItemKey& key) {
    add_section_(caption, image_index, key);
  }
  void Delete(int i) { sections_.Delete(i + 1); }

 private:
  controls::TListSectionCollection& sections_;
  AddSection add_section_;
};

// Each row stands for one window: it stays, in its place and with its image, while its window
// is listed under the title it shows. A window that closed takes its own row with it, never
// another of the same title; a retitled one loses its row and gets a new one at the end, as a
// new window does. So every title is held exactly as often as windows carry it.
template <class Rows>
void SyncWindowRows(Rows& rows, const snapshot::AppWindowList& windows) {
  const std::vector<snapshot::appinfos>& listed = windows.windows();
  std::vector<bool> shown(listed.size(), false);
  for (int i = 0; i < rows.Count();) {
    const int at = windows.FindAppWindow(WindowOfKey(rows.Key(i)));
    const auto w = static_cast<std::size_t>(at);
    if (at >= 0 && !shown[w] && IsCaptionOf(rows.Caption(i), listed[w].title)) {
      shown[w] = true;
      ++i;
    } else {
      rows.Delete(i);
    }
  }
  for (std::size_t w = 0; w < listed.size(); ++w) {
    if (shown[w]) continue;
    const snapshot::appinfos& entry = listed[w];
    rows.Append(CaptionOf(entry.title), entry.image_index, KeyOfWindow(entry.window));
  }
}

// Whether a row already shows this process: the same name of the same process.
bool ShowsProcess(const std::string& caption, const controls::TItemKey& key,
                  const snapshot::processinfos& record) {
  return key == KeyOf(snapshot::IdentityOf(record)) && IsCaptionOf(caption, record.name);
}

// The selected row, by what it shows, put back where that stands once a refresh has moved the
// rows: the left list knows its two sections by place and its entries by key, the detail list
// its sections by key and their lines by place. A row whose item went leaves no selection.
class KeptSelection {
 public:
  enum class Keyed { kItems, kSections };
  KeptSelection(controls::TSectionListBox& list, Keyed keyed)
      : list_(list), keyed_(keyed), row_(list.ItemIndex()) {
    if (row_ < 0) return;
    section_ = list.SectionIndexOfRow(row_);
    line_ = list.SubItemIndexOfRow(row_);
    const controls::TListSection& section = list.Sections().Item(section_);
    section_key_ = section.Key();
    if (line_ >= 0) item_key_ = section.SubItems().Item(line_).key;
  }

  void Restore() {
    if (row_ < 0) return;
    const int row = RowNow();
    if (row != list_.ItemIndex()) list_.SetItemIndex(row);
  }

 private:
  int RowNow() const {
    const controls::TListSectionCollection& sections = list_.Sections();
    int section = section_;
    // The detail list's header stays first; the sections after it move with their items.
    if (keyed_ == Keyed::kSections && section_ > 0) {
      section = -1;
      for (int s = 1; s < sections.Count() && section < 0; ++s)
        if (sections.Item(s).Key() == section_key_) section = s;
    }
    if (section < 0 || section >= sections.Count()) return -1;
    if (line_ < 0) return list_.FirstRowOfSection(section);
    const controls::TListSection& shown = sections.Item(section);
    int line = line_;
    if (keyed_ == Keyed::kItems) {
      const std::vector<controls::TSubItem>& items = shown.SubItems().Items();
      const auto it = std::find_if(items.begin(), items.end(), [this](const controls::TSubItem& i) {
        return i.key == item_key_;
      });
      line = it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }
    if (line < 0 || line >= shown.SubItems().Count() || shown.State() != controls::lssExpanded)
      return -1;
    return list_.FirstRowOfSection(section) + 1 + line;
  }

  controls::TSectionListBox& list_;
  Keyed keyed_;
  int row_;
  int section_ = -1;
  int line_ = -1;
  controls::TItemKey section_key_, item_key_;
};

// The keys of the open sections after the header.
std::vector<controls::TItemKey> OpenSectionKeys(const controls::TListSectionCollection& sections) {
  std::vector<controls::TItemKey> open;
  for (int s = 1; s < sections.Count(); ++s)
    if (sections.Item(s).State() == controls::lssExpanded) open.push_back(sections.Item(s).Key());
  return open;
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

// Whether the sync writes the priority line of record i: it fills section i + 1 (one added, or
// one that shows another process) or keeps it open.
bool WritesPriorityLine(const controls::TListSectionCollection& sections, int i,
                        const snapshot::processinfos& record) {
  if (i + 1 >= sections.Count()) return true;
  const controls::TListSection& section = sections.Item(i + 1);
  return !ShowsProcess(section.Caption(), section.Key(), record) ||
         section.State() == controls::lssExpanded;
}

}  // namespace

void ProcessBrowser::PriorityLinesDue(const snapshot::ProcessSnapshot& processes,
                                      std::vector<std::size_t>& positions) const {
  positions.clear();
  if (detail_shows_ != DetailContent::kProcesses) return;
  const std::vector<snapshot::processinfos>& records = processes.processes();
  for (std::size_t i = 0; i < records.size(); ++i)
    if (WritesPriorityLine(detail_.Sections(), static_cast<int>(i), records[i]))
      positions.push_back(i);
}

void ProcessBrowser::SyncApplicationsSection(SystemLists lists) {
  const snapshot::AppWindowList& windows = lists.windows;
  KeptSelection left_selection(left_, KeptSelection::Keyed::kItems);
  AppEntries entries(left_.Sections().Item(0));
  SyncWindowRows(entries, windows);
  left_selection.Restore();
  if (detail_shows_ != DetailContent::kApplications) return;
  KeptSelection detail_selection(detail_, KeptSelection::Keyed::kSections);
  AppSections sections(detail_, [this, lists](const std::string& caption, int image_index,
                                              const controls::TItemKey& key) {
    AddApplicationSection(caption, image_index, key, lists);
  });
  SyncWindowRows(sections, windows);
  detail_selection.Restore();
}

void ProcessBrowser::SyncProcessesSection(const snapshot::ProcessSnapshot& processes,
                                          const snapshot::PriorityClasses& priorities) {
  KeptSelection left_selection(left_, KeptSelection::Keyed::kItems);
  SyncProcessEntries(processes.processes());
  left_selection.Restore();
  if (detail_shows_ != DetailContent::kProcesses) return;
  KeptSelection detail_selection(detail_, KeptSelection::Keyed::kSections);
  SyncProcessSections(processes, priorities);
  detail_selection.Restore();
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
// its own gets fresh priority and times. A section is open exactly when the process it now
// shows had its section open: an open section follows its process wherever the tick moves it,
// and none opens by itself.
void ProcessBrowser::SyncProcessSections(const snapshot::ProcessSnapshot& processes,
                                         const snapshot::PriorityClasses& priorities) {
  const std::vector<snapshot::processinfos>& records = processes.processes();
  controls::TListSectionCollection& sections = detail_.Sections();
  // Read at the first section that changes: until then every state is the tick's own.
  std::optional<std::vector<controls::TItemKey>> open;
  const auto refill = [&](controls::TListSection& section, const snapshot::processinfos& record,
                          const std::string& priority) {
    if (!open) open = OpenSectionKeys(sections);
    const bool opens =
        std::find(open->begin(), open->end(), KeyOf(snapshot::IdentityOf(record))) != open->end();
    // Closed before its lines change, opened after: the rows are made once.
    if (!opens) section.SetState(controls::lssContracted);
    FillProcessSection(section, record, priority, processes);
    if (opens) section.SetState(controls::lssExpanded);
  };
  const int count = static_cast<int>(records.size());
  for (int i = 0; i < count; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const snapshot::processinfos& record = records[at];
    // Looked up only for a line that is written: a text is read from the library at its first use.
    const auto priority = [&]() -> const std::string& {
      return priority_texts_.Text(at < priorities.size() ? priorities[at] : 0);
    };
    if (i + 1 >= sections.Count()) {
      controls::TListSection& added = sections.Add();
      added.SetImageIndex(0);
      refill(added, record, priority());
      continue;
    }
    controls::TListSection& section = sections.Item(i + 1);
    if (!ShowsProcess(section.Caption(), section.Key(), record))
      refill(section, record, priority());
    else if (section.State() == controls::lssExpanded)
      RefreshProcessLines(section, record, priority(), processes);
    if (record.path_found) ShowLatePath(section, Texts(), record);
  }
  for (int k = sections.Count() - 1; k > count; --k) sections.Delete(k);
}

void ProcessBrowser::RefreshProcessLines(controls::TListSection& section,
                                         const snapshot::processinfos& process,
                                         const std::string& priority,
                                         const snapshot::ProcessSnapshot& processes) {
  std::vector<std::string> costs = CostLines(Costs(), processes, process, platform_.formats);
  // A tick that could not read the cost (the system's snapshot failed once) or could again
  // changes how many lines the section has: it is filled anew.
  if (section.SubItems().Count() != kProcessLineCount + static_cast<int>(costs.size()))
    return FillProcessSection(section, process, priority, processes);
  std::vector<std::string> fresh = {PriorityLine(Texts(), priority),
                                    UserTimeLine(Texts(), process.user_time),
                                    KernelTimeLine(Texts(), process.kernel_time)};
  // The cost and parent lines follow the kernel time line.
  for (std::string& line : costs) fresh.push_back(std::move(line));
  for (std::size_t k = 0; k < fresh.size(); ++k) {
    const int line = kPriorityLine + static_cast<int>(k);
    // Only a line that reads differently is written: an unchanged one repaints nothing.
    if (section.SubItems().Strings(line) != fresh[k]) section.SubItems().SetString(line, fresh[k]);
  }
}

}  // namespace browser
