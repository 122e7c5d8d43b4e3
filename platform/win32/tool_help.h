#pragma once
#include "platform/tool_help.h"

namespace platform::win32 {

class Win32ToolHelp : public platform::ToolHelp {
 public:
  Handle CreateToolhelp32Snapshot(ProcAddress fn, std::uint32_t flags,
                                  std::uint32_t process_id) override;
  bool Process32First(ProcAddress fn, Handle snapshot, ToolHelpEntry& entry) override;
  bool Process32Next(ProcAddress fn, Handle snapshot, ToolHelpEntry& entry) override;
};

}  // namespace platform::win32
