#include "snapshot/toolhelp_process_list.h"

#include <cstring>

#include "snapshot/hex_text.h"

namespace snapshot {

ToolHelpProcessList::ToolHelpProcessList(platform::KernelObjects& kernel,
                                         ToolHelpBinding& tool_help)
    : kernel_(kernel), tool_help_(tool_help) {}

ToolHelpProcessList::~ToolHelpProcessList() {
  if (snapshot_handle_ != 0) kernel_.CloseHandle(snapshot_handle_);
}

void ToolHelpProcessList::CollectToolHelpEntries() {
  entries_.clear();
  if (snapshot_handle_ != 0) {
    kernel_.CloseHandle(snapshot_handle_);
    snapshot_handle_ = 0;
  }
  snapshot_handle_ = tool_help_.CreateToolhelp32Snapshot(platform::kTh32csSnapProcess, 0);
  if (snapshot_handle_ == 0) return;
  entry_.size = platform::kProcessEntrySize;
  for (bool more = tool_help_.Process32First(snapshot_handle_, entry_); more;
       more = tool_help_.Process32Next(snapshot_handle_, entry_))
    entries_.push_back(entry_);
}

void ToolHelpProcessList::Build9xProcessList(ProcessSnapshot& snapshot) {
  snapshot.Reserve(entries_.size());
  snapshot.SetHexIds(true);
  std::size_t filled = 0;
  for (const platform::ToolHelpEntry& entry : entries_) {
    processinfos& record = snapshot.Slot(filled++);
    const void* nul = std::memchr(entry.exe_file, 0, platform::kMaxPath);
    record.path.assign(entry.exe_file,
                       nul ? static_cast<const char*>(nul) : entry.exe_file + platform::kMaxPath);
    const std::string_view name = FileNamePart(record.path);
    record.name.assign(name.data(), name.size());
    AssignHex8(record.id_text, entry.process_id);
    record.id = entry.process_id;
    // A process that cannot be opened still gets a priority text: the failed query gives 0.
    // The 9x family keeps no creation or processor times.
    record.creation = 0;
    record.user_time = 0;
    record.kernel_time = 0;
    // Tool help tells the parent, and no cost.
    record.has_parent = true;
    record.parent_id = entry.parent_process_id;
    record.has_cost = false;
    record.usage_percent = 0;
    record.working_set = 0;
  }
  snapshot.Truncate(filled);
}

}  // namespace snapshot
