#include "browser/cost_lines.h"

#include "browser/detail_lines.h"
#include "i18n/text_ids.h"

namespace browser {

CostTexts::CostTexts(const i18n::TextSource& texts)
    : process(texts.TextById(i18n::kTextProcess)),
      usage(texts.TextById(i18n::kTextUsage)),
      memory(texts.TextById(i18n::kTextMemory)),
      parent(texts.TextById(i18n::kTextParent)) {}

std::string NameAndId(const snapshot::processinfos& process) {
  return process.name + " (" + process.id_text + ")";
}

std::string UsageValue(std::uint32_t percent) {
  return std::to_string(percent) + " %";
}

std::string MemoryValue(std::uint64_t bytes, platform::DateTime& formats) {
  return formats.GetNumberFormatA(std::to_string(bytes / 1024)) + " K";
}

const snapshot::processinfos* LiveParent(const snapshot::ProcessSnapshot& processes,
                                         const snapshot::processinfos& child) {
  if (!child.has_parent) return nullptr;
  for (const snapshot::processinfos& record : processes.processes()) {
    if (record.id != child.parent_id || &record == &child) continue;
    // A parent is older than its child; a younger process has its id by reuse.
    const bool reused = child.creation != 0 && record.creation > child.creation;
    return reused ? nullptr : &record;
  }
  return nullptr;
}

const snapshot::processinfos* ProcessOfWindow(const snapshot::ProcessSnapshot& processes,
                                              const snapshot::appinfos& window) {
  if (window.process_id == 0) return nullptr;
  for (const snapshot::processinfos& record : processes.processes())
    if (record.id == window.process_id) return &record;
  return nullptr;
}

std::vector<std::string> CostLines(const CostTexts& texts,
                                   const snapshot::ProcessSnapshot& processes,
                                   const snapshot::processinfos& process,
                                   platform::DateTime& formats) {
  std::vector<std::string> lines;
  if (process.has_cost) {
    lines.push_back(ValueLine(texts.usage, UsageValue(process.usage_percent)));
    lines.push_back(ValueLine(texts.memory, MemoryValue(process.working_set, formats)));
  }
  if (process.has_parent) {
    const snapshot::processinfos* parent = LiveParent(processes, process);
    lines.push_back(parent ? LinkValueLine(texts.parent, NameAndId(*parent))
                           : ValueLine(texts.parent, processes.IdText(process.parent_id)));
  }
  return lines;
}

std::optional<std::string> WindowProcessLine(const CostTexts& texts,
                                             const snapshot::ProcessSnapshot& processes,
                                             const snapshot::appinfos& window) {
  if (window.process_id == 0) return std::nullopt;
  const snapshot::processinfos* process = ProcessOfWindow(processes, window);
  return process ? LinkValueLine(texts.process, NameAndId(*process))
                 : ValueLine(texts.process, processes.IdText(window.process_id));
}

}  // namespace browser
