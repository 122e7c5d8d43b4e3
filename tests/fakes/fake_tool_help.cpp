#include "tests/fakes/fake_tool_help.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace fakes {

void FakeToolHelp::Install(bool create_snapshot, bool process_first, bool process_next) {
  kernel_.resident_modules["kernel32.dll"] = kKernel32Module;
  if (create_snapshot)
    kernel_.exports[{kKernel32Module, "CreateToolhelp32Snapshot"}] = kCreateSnapshot;
  if (process_first) kernel_.exports[{kKernel32Module, "Process32First"}] = kProcessFirst;
  if (process_next) kernel_.exports[{kKernel32Module, "Process32Next"}] = kProcessNext;
}

platform::Handle FakeToolHelp::CreateToolhelp32Snapshot(platform::ProcAddress fn,
                                                        std::uint32_t flags,
                                                        std::uint32_t process_id) {
  if (fn == 0) null_calls.push_back(fn);
  if (fn != kCreateSnapshot) return 0;
  kernel_.calls.push_back("CreateToolhelp32Snapshot(" + std::to_string(flags) + "," +
                          std::to_string(process_id) + ")");
  if (snapshot_fails || flags != platform::kTh32csSnapProcess || Fails("CreateToolhelp32Snapshot"))
    return 0;
  const platform::Handle h = next_handle_;
  next_handle_ += 4;
  kernel_.open_handles.insert(h);
  snapshots_[h] = Snapshot{kernel_.processes, 0};
  return h;
}

bool FakeToolHelp::Process32First(platform::ProcAddress fn, platform::Handle snapshot,
                                  platform::ToolHelpEntry& entry) {
  if (fn == 0) null_calls.push_back(fn);
  if (fn != kProcessFirst) return false;
  return Write(snapshot, entry, true);
}

bool FakeToolHelp::Process32Next(platform::ProcAddress fn, platform::Handle snapshot,
                                 platform::ToolHelpEntry& entry) {
  if (fn == 0) null_calls.push_back(fn);
  if (fn != kProcessNext) return false;
  return Write(snapshot, entry, false);
}

bool FakeToolHelp::Write(platform::Handle snapshot, platform::ToolHelpEntry& entry, bool first) {
  const char* call = first ? "Process32First" : "Process32Next";
  kernel_.calls.push_back(std::string(call) + "(" + std::to_string(snapshot) + ")");
  entry_sizes.push_back(entry.size);
  auto it = snapshots_.find(snapshot);
  // A closed snapshot handle no longer reads.
  if (it == snapshots_.end() || !kernel_.open_handles.contains(snapshot)) return false;
  if (entry.size != platform::kProcessEntrySize || Fails(call)) return false;
  Snapshot& s = it->second;
  if (first) s.next = 0;
  if (s.next >= s.processes.size()) return false;
  const FakeProcess& p = s.processes[s.next++];
  entry.process_id = p.id;
  entry.thread_count = 1;
  std::memset(entry.exe_file, 0, sizeof entry.exe_file);
  std::memcpy(entry.exe_file, p.path.data(),
              std::min<std::size_t>(p.path.size(), sizeof entry.exe_file));
  return true;
}

}  // namespace fakes
