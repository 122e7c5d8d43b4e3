#include "browser/process_browser.h"

#include "browser/update_batch.h"

namespace browser {

CpuTimes ReadProcessTimes(platform::Kernel& kernel, std::uint32_t process_id) {
  const platform::Handle process = kernel.OpenProcess(kTimesAccess, false, process_id);
  if (process == 0) return {};
  platform::ProcessTimes times;
  const bool read = kernel.GetProcessTimes(process, times);
  kernel.CloseHandle(process);
  return read ? CpuTimes{times.user, times.kernel} : CpuTimes{};
}

int CountSubItemsEqual(const controls::TListSection& section, const std::string& text) {
  int count = 0;
  for (const controls::TSubItem& item : section.SubItems().Items()) count += item.text == text;
  return count;
}

ProcessBrowser::ProcessBrowser(controls::TSectionListBox& left, controls::TSectionListBox& detail,
                               snapshot::ProcessSnapshot& processes,
                               const snapshot::AppWindowList& windows,
                               const i18n::TextSource& texts, Platform platform)
    : left_(left),
      detail_(detail),
      processes_(processes),
      windows_(windows),
      language_(texts),
      platform_(platform) {}

const DetailTexts& ProcessBrowser::Texts() {
  // The language is chosen once per run, before the first list is filled.
  if (!texts_) texts_.emplace(language_);
  return *texts_;
}

void ProcessBrowser::AddApplicationSection(const std::string& title, int image_index) {
  controls::TListSection& section = detail_.Sections().Add();
  section.SetCaption(title);
  section.SetImageIndex(image_index);
  for (const std::string& line : ApplicationLines(Texts())) section.SubItems().Add(line);
}

void ProcessBrowser::AddProcessLines(controls::TListSection& section,
                                     const snapshot::processinfos& process) {
  const CpuTimes times = ReadProcessTimes(platform_.kernel, process.id);
  for (const std::string& line : ProcessLines(Texts(), process, times.user, times.kernel))
    section.SubItems().Add(line);
}

void ProcessBrowser::SectionListBox1ExpandSection(int section_index) {
  UpdateBatch batch(detail_);
  detail_.Sections().Clear();
  const controls::TListSection& shown = left_.Sections().Item(section_index);
  detail_.Sections().Add().SetCaption(shown.Caption());
  if (section_index == 0) {
    for (const controls::TSubItem& item : shown.SubItems().Items())
      AddApplicationSection(item.text, -1);
  }
  controls::TListSection& processes = left_.Sections().Item(1);
  for (int k = 0; k < processes.SubItems().Count(); ++k) processes.SetSubItemImageIndex(k, 0);
  if (section_index == 1) {
    const auto& records = processes_.processes();
    for (int k = 0; k < processes.SubItems().Count(); ++k) {
      controls::TListSection& section = detail_.Sections().Add();
      section.SetCaption(processes.SubItems().Strings(k));
      // Sub-item k stands for record k; a section without its record stays without lines.
      if (static_cast<std::size_t>(k) < records.size())
        AddProcessLines(section, records[static_cast<std::size_t>(k)]);
    }
  }
  const int count = shown.SubItems().Count();
  for (int k = 0; k < count && k + 1 < detail_.Sections().Count(); ++k)
    detail_.Sections().Item(k + 1).SetImageIndex(shown.SubItemImageIndex(k));
}

void ProcessBrowser::SectionListBox1ContractSection(int) {
  UpdateBatch batch(detail_);
  detail_.Sections().Clear();
}

void ProcessBrowser::SectionListBox1SubItemClick(int section_index, int subitem_index) {
  SectionListBox1ExpandSection(section_index);
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

bool ProcessBrowser::DetailShowsApplications() {
  return detail_.Sections().Count() > 0 &&
         detail_.Sections().Item(0).Caption() == Texts().applications;
}

bool ProcessBrowser::DetailShowsProcesses() {
  return detail_.Sections().Count() > 0 &&
         detail_.Sections().Item(0).Caption() == Texts().processes;
}

}  // namespace browser
