#pragma once
// Tool-help snapshots of FakeKernel's process table. A snapshot copies the table when it is
// taken, so later changes to the table do not show in it, as with the real call. Snapshot
// handles join the kernel's open handles, so CloseHandle and the leak check cover them, and the
// calls join the kernel's call log, so order across both is visible.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/tool_help.h"
#include "tests/fakes/fake_kernel.h"

namespace fakes {

class FakeToolHelp : public platform::ToolHelp, public Failable {
 public:
  static constexpr platform::Handle kKernel32Module = 0x7C800000;
  static constexpr platform::ProcAddress kCreateSnapshot = 0x7C801000;
  static constexpr platform::ProcAddress kProcessFirst = 0x7C802000;
  static constexpr platform::ProcAddress kProcessNext = 0x7C803000;

  explicit FakeToolHelp(FakeKernel& kernel) : kernel_(kernel) {}

  // Makes kernel32.dll resident with the chosen exports.
  void Install(bool create_snapshot = true, bool process_first = true, bool process_next = true);

  // --- the scripted system ---
  bool snapshot_fails = false;

  // --- what was asked ---
  std::vector<platform::ProcAddress> null_calls;  // calls that arrived with entry point 0
  std::vector<std::uint32_t> entry_sizes;         // dwSize of every entry passed in

  platform::Handle CreateToolhelp32Snapshot(platform::ProcAddress fn, std::uint32_t flags,
                                            std::uint32_t process_id) override;
  bool Process32First(platform::ProcAddress fn, platform::Handle snapshot,
                      platform::ToolHelpEntry& entry) override;
  bool Process32Next(platform::ProcAddress fn, platform::Handle snapshot,
                     platform::ToolHelpEntry& entry) override;

 private:
  struct Snapshot {
    std::vector<FakeProcess> processes;
    std::size_t next = 0;
  };
  bool Write(platform::Handle snapshot, platform::ToolHelpEntry& entry, bool first);

  FakeKernel& kernel_;
  std::map<platform::Handle, Snapshot> snapshots_;
  platform::Handle next_handle_ = 0x50000;
};

}  // namespace fakes
