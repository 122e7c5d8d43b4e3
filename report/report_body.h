#pragma once
// The report assembly: the staging copy of the left list and the markup lines of the ticked
// items, read from the current snapshot.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browser/detail_lines.h"
#include "controls/section_list/box.h"
#include "report/selection.h"
#include "snapshot/app_info.h"
#include "snapshot/process_access.h"
#include "snapshot/process_info.h"

namespace report {

// Replaces the sections of `staging` by copies of those of `left`, the applications section
// (0) offering one item, `applications`, that stands for every application.
void StageReportSections(const controls::TSectionListBox& left, controls::TSectionListBox& staging,
                         const std::string& applications);

// What the body lines are read from; all of it belongs to the caller.
struct ReportSources {
  const browser::DetailTexts& texts;
  const std::vector<snapshot::processinfos>& processes;  // this tick's
  const std::vector<snapshot::appinfos>& windows;
  // The times of a listed process now; nullopt once it has ended.
  std::function<std::optional<snapshot::CpuTimes>(const snapshot::ProcessIdentity&)> times_now;
};

// The item heading line of one ticked item.
std::string ItemHeadingLine(const selitem& item);

// The body of a report: per ticked item its heading, the application lines when it is the
// applications item (the one item of the staged applications section), and the five process
// lines when it is a process. A process item is matched to the process it was staged for, by
// identity; one that has ended, or whose id now serves another process, gives its heading only.
std::vector<std::string> BuildReportBody(const sel& selection, const ReportSources& sources);

}  // namespace report
