#pragma once
// The 9x-family tick: a tool-help process snapshot, then one record per entry. The snapshot
// handle stays open until the next tick (or until this list goes away).
#include <vector>

#include "platform/kernel_objects.h"
#include "platform/tool_help.h"
#include "snapshot/process_snapshot.h"
#include "snapshot/process_source.h"
#include "snapshot/tool_help_binding.h"

namespace snapshot {

class ToolHelpProcessList : public ProcessSource {
 public:
  ToolHelpProcessList(platform::KernelObjects& kernel, ToolHelpBinding& tool_help);
  ~ToolHelpProcessList() override;
  ToolHelpProcessList(const ToolHelpProcessList&) = delete;
  ToolHelpProcessList& operator=(const ToolHelpProcessList&) = delete;

  // Closes the previous tick's snapshot, takes a new one and copies out its entries.
  void CollectToolHelpEntries();
  // Refills `snapshot` with one record per entry, in the tool-help order; a process that cannot
  // be opened is still listed.
  void Build9xProcessList(ProcessSnapshot& snapshot);
  // The tick's two steps: CollectToolHelpEntries, then Build9xProcessList.
  void Refill(ProcessSnapshot& snapshot) override {
    CollectToolHelpEntries();
    Build9xProcessList(snapshot);
  }

  const std::vector<platform::ToolHelpEntry>& entries() const { return entries_; }
  platform::Handle snapshot_handle() const { return snapshot_handle_; }

 private:
  platform::KernelObjects& kernel_;
  ToolHelpBinding& tool_help_;
  platform::Handle snapshot_handle_ = 0;
  platform::ToolHelpEntry entry_;  // the buffer the calls write into
  std::vector<platform::ToolHelpEntry> entries_;
};

}  // namespace snapshot
