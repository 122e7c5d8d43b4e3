#pragma once
// The report assembly: the staging copy of the left list and the markup lines of the ticked
// items, read from the current snapshot.
#include <string>
#include <vector>

#include "browser/detail_lines.h"
#include "controls/section_list_box.h"
#include "platform/kernel.h"
#include "report/selection.h"
#include "snapshot/app_info.h"
#include "snapshot/process_info.h"

namespace report {

// Replaces the sections of `staging` by copies of those of `left`, the applications section
// (0) offering one item, `applications`, that stands for every application.
void StageReportSections(const controls::TSectionListBox& left, controls::TSectionListBox& staging,
                         const std::string& applications);

// What the body lines are read from; all of it belongs to the caller.
struct ReportSources {
  const browser::DetailTexts& texts;
  const std::vector<snapshot::processinfos>& processes;
  const std::vector<snapshot::appinfos>& windows;
  platform::Kernel& kernel;  // the processor times, read afresh
};

// The item heading line of one ticked item.
std::string ItemHeadingLine(const selitem& item);

// The body of a report: per ticked item its heading, the application lines when it is the
// applications item, and the five process lines when it is a process. A process item is matched
// to the process it was staged for, by identity; one that has ended gives its heading only.
std::vector<std::string> BuildReportBody(const sel& selection, const ReportSources& sources);

}  // namespace report
