#pragma once
// The NT-family tick: process ids from EnumProcesses, then one record per process, in the
// order of the ids. A process's path is read the old way (module path), else as its image name
// (Vista and later, with the limited query right); where no path can be read at all, its name
// comes from the system's own process snapshot and its path stays empty.
#include <cstdint>
#include <memory>
#include <vector>

#include "i18n/text_source.h"
#include "platform/kernel.h"
#include "platform/native_system_info.h"
#include "platform/process_status.h"
#include "platform/user_interface.h"
#include "snapshot/priority_class.h"
#include "snapshot/process_snapshot.h"
#include "snapshot/psapi_binding.h"

namespace snapshot {

// The id buffer handed to EnumProcesses: fixed, never grown; more processes are cut off.
constexpr std::uint32_t kPidBufferBytes = 0xFFFC;
constexpr std::uint32_t kMaxPids = kPidBufferBytes / 4;
constexpr int kPathBufferSize = 261;
// Shown when the process ids cannot be read.
constexpr const char* kEnumFailedText = "Chyba";
constexpr const char* kMessageCaption = "Ravo Info Process";
// The idle process has no image name; tool help calls it so.
constexpr const char* kIdleProcessName = "[System Process]";

class NtProcessList {
 public:
  NtProcessList(platform::Kernel& kernel, platform::UserInterface& ui, PsapiBinding& psapi,
                platform::NativeSystemInfo& native, const i18n::TextSource& texts,
                ProcessSnapshot& snapshot);

  // Refills the pid list; on failure shows "Chyba" and leaves it empty.
  void CollectNtProcessIds();
  // Rebuilds the process list from the pid list. Every handle opened is closed again here.
  void BuildNtProcessList();

  const std::vector<std::uint32_t>& pid_list() const { return pids_; }

 private:
  // Resolves the entry points newer systems have, once, on the first tick.
  void BindEntryPoints();
  // Fills `record` for process `id`; false when the process is gone.
  bool FillRecord(std::uint32_t id, processinfos& record);
  // The process in the system's snapshot, taken at most once per tick and only when a process
  // needs it; nullptr when it is not there or the snapshot cannot be taken.
  const platform::NativeProcess* SystemProcess(std::uint32_t id);

  platform::Kernel& kernel_;
  platform::UserInterface& ui_;
  PsapiBinding& psapi_;
  platform::NativeSystemInfo& native_;
  PriorityClassTexts priority_texts_;
  ProcessSnapshot& snapshot_;
  std::unique_ptr<std::uint32_t[]> buffer_;  // kMaxPids ids, allocated once
  std::vector<std::uint32_t> pids_;
  bool bound_ = false;
  platform::ProcAddress image_name_entry_ = 0;             // QueryFullProcessImageNameA
  platform::ProcAddress system_query_entry_ = 0;           // ZwQuerySystemInformation
  std::vector<platform::NativeProcess> system_processes_;  // by id, this tick's
  bool system_processes_taken_ = false;
};

}  // namespace snapshot
