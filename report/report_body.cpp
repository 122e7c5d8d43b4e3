#include "report/report_body.h"

#include "browser/process_browser.h"
#include "controls/markup/escapes.h"

namespace report {

namespace {

constexpr int kApplicationsSection = 0;
constexpr int kProcessesSection = 1;

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
  return "<B><U><FONT color=\"clblue\">" + controls::markup::EscapeValue(item.SectionCaption) +
         " - " + controls::markup::EscapeValue(browser::TextOfCaption(item.ItemText)) +
         "</FONT></B></U> ";
}

std::vector<std::string> BuildReportBody(const sel& selection, const ReportSources& sources) {
  std::vector<std::string> body;
  for (const selitem& item : selection.Items) {
    body.push_back(ItemHeadingLine(item));
    if (item.SectionIndex == kApplicationsSection) {
      for (const snapshot::appinfos& window : sources.windows)
        body.push_back("<FONT color=\"clmaroon\">" + controls::markup::EscapeValue(window.title) +
                       "</FONT>");
    }
    if (item.SectionIndex != kProcessesSection) continue;
    const snapshot::processinfos* staged = browser::FindShownProcess(
        sources.processes, browser::ProcessOfKey(item.Key), browser::TextOfCaption(item.ItemText));
    const std::optional<snapshot::CpuTimes> times =
        staged ? sources.times_now(snapshot::IdentityOf(*staged)) : std::nullopt;
    if (!times) continue;
    const snapshot::processinfos& process = *staged;
    const browser::DetailTexts& texts = sources.texts;
    body.push_back(browser::TitleLine(texts.file_name, process.name));
    body.push_back(browser::ValueLine(texts.full_path, process.path));
    body.push_back(browser::ValueLine(texts.process_id, process.id_text));
    body.push_back(browser::UserTimeLine(texts, times->user));
    body.push_back(browser::KernelTimeLine(texts, times->kernel));
  }
  return body;
}

}  // namespace report
