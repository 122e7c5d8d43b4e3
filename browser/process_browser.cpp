#include "browser/process_browser.h"

#include <algorithm>

#include "browser/update_batch.h"
#include "snapshot/process_access.h"

namespace browser {

ProcessBrowser::ProcessBrowser(controls::TSectionListBox& left, controls::TSectionListBox& detail,
                               const i18n::TextSource& texts, Platform platform)
    : left_(left), detail_(detail), language_(texts), platform_(platform), priority_texts_(texts) {}

const DetailTexts& ProcessBrowser::Texts() {
  // The language is chosen once per run, before the first list is filled.
  if (!texts_) texts_.emplace(language_);
  return *texts_;
}

const CostTexts& ProcessBrowser::Costs() {
  if (!costs_) costs_.emplace(language_);
  return *costs_;
}

void ProcessBrowser::ReadExpansionPriorities(const controls::TListSection& shown,
                                             const snapshot::ProcessSnapshot& processes) {
  expansion_due_.clear();
  const std::vector<snapshot::processinfos>& records = processes.processes();
  for (const controls::TSubItem& entry : shown.SubItems().Items())
    if (const snapshot::processinfos* record = processes.Find(ProcessOfKey(entry.key)))
      expansion_due_.push_back(static_cast<std::size_t>(record - records.data()));
  std::sort(expansion_due_.begin(), expansion_due_.end());
  snapshot::ReadPriorityClasses(platform_.kernel, records, expansion_due_, expansion_priorities_);
}

void ProcessBrowser::AddApplicationSection(const std::string& caption, int image_index,
                                           const controls::TItemKey& window, SystemLists lists) {
  controls::TListSection& section = detail_.Sections().Add();
  section.SetCaption(caption);
  section.SetKey(window);
  section.SetImageIndex(image_index);
  const int listed = lists.windows.FindAppWindow(WindowOfKey(window));
  if (listed >= 0) {
    const snapshot::appinfos& shown = lists.windows.windows()[static_cast<std::size_t>(listed)];
    if (const std::optional<std::string> line = WindowProcessLine(Costs(), lists.processes, shown))
      section.SubItems().Add(*line);
  }
  for (const std::string& line : ApplicationLines(Texts())) section.SubItems().Add(line);
}

void ProcessBrowser::AddProcessSection(const controls::TSubItem& entry,
                                       const snapshot::ProcessSnapshot& processes) {
  controls::TListSection& section = detail_.Sections().Add();
  section.SetCaption(entry.text);
  section.SetKey(entry.key);
  section.SetImageIndex(entry.image_index);
  // A row whose process is no longer listed stays without lines.
  if (const snapshot::processinfos* record = processes.Find(ProcessOfKey(entry.key))) {
    const auto at = static_cast<std::size_t>(record - processes.processes().data());
    AddProcessLines(section, *record, priority_texts_.Text(expansion_priorities_[at]), processes);
  }
}

void ProcessBrowser::FillProcessSection(controls::TListSection& section,
                                        const snapshot::processinfos& process,
                                        const std::string& priority,
                                        const snapshot::ProcessSnapshot& processes) {
  section.SetCaption(CaptionOf(process.name));
  section.SetKey(KeyOf(snapshot::IdentityOf(process)));
  section.SubItems().Clear();
  AddProcessLines(section, process, priority, processes);
}

void ProcessBrowser::AddProcessLines(controls::TListSection& section,
                                     const snapshot::processinfos& process,
                                     const std::string& priority,
                                     const snapshot::ProcessSnapshot& processes) {
  std::vector<std::string> lines = ProcessLines(Texts(), process, priority);
  std::vector<std::string> costs = CostLines(Costs(), processes, process, platform_.formats);
  lines.insert(lines.begin() + std::ptrdiff_t{kCostLinesAt}, std::make_move_iterator(costs.begin()),
               std::make_move_iterator(costs.end()));
  for (const std::string& line : lines) section.SubItems().Add(line);
}

void ProcessBrowser::SectionListBox1ExpandSection(int section_index, SystemLists lists) {
  const snapshot::ProcessSnapshot& processes = lists.processes;
  const controls::TListSection& shown = left_.Sections().Item(section_index);
  if (section_index == 1) ReadExpansionPriorities(shown, processes);
  UpdateBatch batch(detail_);
  detail_.Sections().Clear();
  detail_.Sections().Add().SetCaption(shown.Caption());
  detail_shows_ = section_index == 0   ? DetailContent::kApplications
                  : section_index == 1 ? DetailContent::kProcesses
                                       : DetailContent::kNothing;
  // Whichever section opens, the processes' marks are reset.
  controls::TListSection& process_entries = left_.Sections().Item(1);
  for (int k = 0; k < process_entries.SubItems().Count(); ++k)
    process_entries.SetSubItemImageIndex(k, 0);
  // One detail section per entry, with the entry's caption and image.
  for (const controls::TSubItem& entry : shown.SubItems().Items()) {
    if (detail_shows_ == DetailContent::kApplications)
      AddApplicationSection(entry.text, entry.image_index, entry.key, lists);
    else if (detail_shows_ == DetailContent::kProcesses)
      AddProcessSection(entry, processes);
  }
}

void ProcessBrowser::SectionListBox1ContractSection(int) {
  UpdateBatch batch(detail_);
  detail_.Sections().Clear();
  detail_shows_ = DetailContent::kNothing;
}

void ProcessBrowser::SectionListBox1SubItemClick(int section_index, int subitem_index,
                                                 SystemLists lists) {
  SectionListBox1ExpandSection(section_index, lists);
  OpenDetailSection(left_, subitem_index + 1);
}

void ProcessBrowser::SectionListBox2SectionClick(int section_index) {
  OpenDetailSection(detail_, section_index);
}

void ProcessBrowser::OpenDetailSection(const controls::TSectionListBox& source, int index) {
  UpdateBatch batch(detail_);
  // A section that is not there (the lists moved under the click) shows nothing.
  if (index < 0 || index >= detail_.Sections().Count()) return;
  controls::TListSection& section = detail_.Sections().Item(index);
  const bool from_left = &source != &detail_;
  section.SetState(section.State() == controls::lssContracted || from_left
                       ? controls::lssExpanded
                       : controls::lssContracted);
  detail_.ScrollSectionToTop(index);
}

}  // namespace browser
