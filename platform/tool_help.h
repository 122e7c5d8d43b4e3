#pragma once
// The tool-help snapshot functions of kernel32, bound at run time by name (they are missing on
// some systems), so every operation takes the resolved entry point; an entry point of 0 fails at
// once without calling anything. Snapshot handles are closed with KernelObjects::CloseHandle.
#include <cstdint>

#include "platform/types.h"

namespace platform {

constexpr std::uint32_t kTh32csSnapProcess = 0x2;
// sizeof(PROCESSENTRY32), passed as the entry's size: 296 bytes in the 32-bit program, 304 in a
// 64-bit one (its heap id is pointer-sized).
constexpr std::uint32_t kProcessEntrySize = sizeof(void*) == 8 ? 304 : 296;
constexpr int kMaxPath = 260;

// One PROCESSENTRY32, field by field in the system's order.
struct ToolHelpEntry {
  std::uint32_t size = 0;  // dwSize
  std::uint32_t usage_count = 0;
  std::uint32_t process_id = 0;  // th32ProcessID
  std::uintptr_t default_heap_id = 0;
  std::uint32_t module_id = 0;
  std::uint32_t thread_count = 0;
  std::uint32_t parent_process_id = 0;
  std::int32_t priority_class_base = 0;
  std::uint32_t flags = 0;
  char exe_file[kMaxPath] = {};  // szExeFile, NUL-terminated when shorter than kMaxPath
};

class ToolHelp {
 public:
  virtual ~ToolHelp() = default;

  // A snapshot handle, 0 on failure.
  virtual Handle CreateToolhelp32Snapshot(ProcAddress fn, std::uint32_t flags,
                                          std::uint32_t process_id) = 0;
  // True when an entry was written into `entry`; `entry.size` must be kProcessEntrySize.
  // On failure `entry` is untouched.
  virtual bool Process32First(ProcAddress fn, Handle snapshot, ToolHelpEntry& entry) = 0;
  virtual bool Process32Next(ProcAddress fn, Handle snapshot, ToolHelpEntry& entry) = 0;
};

}  // namespace platform
