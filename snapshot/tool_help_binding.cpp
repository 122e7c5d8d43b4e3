#include "snapshot/tool_help_binding.h"

namespace snapshot {

ToolHelpBinding::ToolHelpBinding(platform::Modules& kernel, platform::ToolHelp& tool_help)
    : kernel_(kernel), tool_help_(tool_help) {}

bool ToolHelpBinding::Ensure() {
  if (kernel32_ == 0) {
    kernel32_ = kernel_.GetModuleHandleA("kernel32.dll");
    if (kernel32_ != 0) {
      create_snapshot_ = kernel_.GetProcAddress(kernel32_, "CreateToolhelp32Snapshot");
      process_first_ = kernel_.GetProcAddress(kernel32_, "Process32First");
      process_next_ = kernel_.GetProcAddress(kernel32_, "Process32Next");
    }
  }
  return kernel32_ != 0 && create_snapshot_ != 0;
}

platform::Handle ToolHelpBinding::CreateToolhelp32Snapshot(std::uint32_t flags,
                                                           std::uint32_t process_id) {
  if (!Ensure()) return 0;
  return tool_help_.CreateToolhelp32Snapshot(create_snapshot_, flags, process_id);
}

bool ToolHelpBinding::Process32First(platform::Handle snapshot, platform::ToolHelpEntry& entry) {
  if (!Ensure() || process_first_ == 0) return false;
  return tool_help_.Process32First(process_first_, snapshot, entry);
}

bool ToolHelpBinding::Process32Next(platform::Handle snapshot, platform::ToolHelpEntry& entry) {
  if (!Ensure() || process_next_ == 0) return false;
  return tool_help_.Process32Next(process_next_, snapshot, entry);
}

}  // namespace snapshot
