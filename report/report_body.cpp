#include "report/report_body.h"

#include "browser/process_browser.h"

namespace report {

namespace {

constexpr int kProcessesSection = 1;

const snapshot::processinfos* FindProcess(const std::vector<snapshot::processinfos>& processes,
                                          const controls::TItemKey& key) {
  const snapshot::ProcessIdentity wanted = browser::ProcessOfKey(key);
  for (const snapshot::processinfos& process : processes)
    if (snapshot::IdentityOf(process) == wanted) return &process;
  return nullptr;
}

}  // namespace

void StageReportSections(const controls::TSectionListBox& left, controls::TSectionListBox& staging,
                         const std::string& applications) {
  staging.Sections().Assign(left.Sections());
  if (staging.Sections().Count() == 0) return;
  controls::TListSection& apps = staging.Sections().Item(0);
  apps.SubItems().Clear();
  apps.SubItems().Add(applications);
}

std::string ItemHeadingLine(const selitem& item) {
  // Captions are plain names and titles: escaped so that they show, and print, as written.
  // The item's text is its row's caption, which may carry the escapes of a hostile name.
  return "<B><U><FONT color=\"clblue\">" + browser::EscapeMarkupValue(item.SectionCaption) + " - " +
         browser::EscapeMarkupValue(browser::TextOfCaption(item.ItemText)) + "</FONT></B></U> ";
}

std::vector<std::string> BuildReportBody(const sel& selection, const ReportSources& sources) {
  std::vector<std::string> body;
  for (const selitem& item : selection.Items) {
    body.push_back(ItemHeadingLine(item));
    if (item.SectionCaption == sources.texts.applications) {
      for (const snapshot::appinfos& window : sources.windows)
        body.push_back("<FONT color=\"clmaroon\">" + browser::EscapeMarkupValue(window.title) +
                       "</FONT>");
    }
    const snapshot::processinfos* staged =
        item.SectionIndex == kProcessesSection ? FindProcess(sources.processes, item.Key) : nullptr;
    if (staged != nullptr) {
      const snapshot::processinfos& process = *staged;
      // A process that cannot be read shows times of 0:0:0:0.
      const browser::CpuTimes times = browser::ReadProcessTimes(sources.kernel, process.id);
      const browser::DetailTexts& texts = sources.texts;
      body.push_back(browser::TitleLine(texts.file_name, process.name));
      body.push_back(browser::ValueLine(texts.full_path, process.path));
      body.push_back(browser::ValueLine(texts.process_id, process.id_text));
      body.push_back(browser::UserTimeLine(texts, times.user));
      body.push_back(browser::KernelTimeLine(texts, times.kernel));
    }
  }
  return body;
}

}  // namespace report
