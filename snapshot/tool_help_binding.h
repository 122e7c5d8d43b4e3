#pragma once
// The tool-help functions of kernel32, bound by name at the first call that needs them (they do
// not exist on every system) and never released: kernel32 stays loaded.
#include <cstdint>

#include "platform/modules.h"
#include "platform/tool_help.h"

namespace snapshot {

class ToolHelpBinding {
 public:
  ToolHelpBinding(platform::Modules& kernel, platform::ToolHelp& tool_help);

  // Binds on first use; true when kernel32 is known and CreateToolhelp32Snapshot resolved.
  // Once kernel32 is known, binding is not attempted again, whatever resolved.
  bool Ensure();

  // Each fails (0 / false) without calling anything while Ensure is false or its entry point
  // is missing.
  platform::Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t process_id);
  bool Process32First(platform::Handle snapshot, platform::ToolHelpEntry& entry);
  bool Process32Next(platform::Handle snapshot, platform::ToolHelpEntry& entry);

 private:
  platform::Modules& kernel_;
  platform::ToolHelp& tool_help_;
  platform::Handle kernel32_ = 0;
  platform::ProcAddress create_snapshot_ = 0;
  platform::ProcAddress process_first_ = 0;
  platform::ProcAddress process_next_ = 0;
};

}  // namespace snapshot
