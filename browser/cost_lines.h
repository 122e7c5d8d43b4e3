#pragma once
// The lines that tell what the module knows beyond a process's own record: which process made an
// application's window, what a process costs the machine and which process started it. They show
// on screen only; reports keep to the record's own lines. A process shown by name and id is a
// link: a click on its line opens that process's section.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/text_source.h"
#include "platform/date_time.h"
#include "snapshot/app_info.h"
#include "snapshot/process_snapshot.h"

namespace browser {

struct CostTexts {
  explicit CostTexts(const i18n::TextSource& texts);
  std::string process, usage, memory, parent;
};

// "notepad.exe (528)".
std::string NameAndId(const snapshot::processinfos& process);
// "7 %".
std::string UsageValue(std::uint32_t percent);
// The working set in whole kilobytes, grouped as the user's locale groups numbers: "12.345 K".
std::string MemoryValue(std::uint64_t bytes, platform::DateTime& formats);

// The parent of `child` while it lives: the record with its parent's id, unless that id now
// serves a process started after the child (where creation times tell).
const snapshot::processinfos* LiveParent(const snapshot::ProcessSnapshot& processes,
                                         const snapshot::processinfos& child);
// The record of the process that made `window`, by id (a process with a window is running).
const snapshot::processinfos* ProcessOfWindow(const snapshot::ProcessSnapshot& processes,
                                              const snapshot::appinfos& window);

// The lines after the kernel time line of `process`'s section: usage and memory where the system
// tells the cost, the parent where it tells the parent; none otherwise.
std::vector<std::string> CostLines(const CostTexts& texts,
                                   const snapshot::ProcessSnapshot& processes,
                                   const snapshot::processinfos& process,
                                   platform::DateTime& formats);
// The line before an application section's actions; none where the system did not say whose
// the window is.
std::optional<std::string> WindowProcessLine(const CostTexts& texts,
                                             const snapshot::ProcessSnapshot& processes,
                                             const snapshot::appinfos& window);

}  // namespace browser
