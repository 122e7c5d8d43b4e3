#pragma once
// The NT-family tick: the processes, then one record per process, in the system's order. Where
// the system gives its own process snapshot (NT 4.0 and later), that one call per tick lists
// them, in the order EnumProcesses would, each with its id, creation time and processor times,
// and a process is opened only when it is new; elsewhere the ids come from EnumProcesses. A
// process's path is read once in its lifetime: the old way (module path), else as its image name
// (Vista and later, with the limited query right); where no path can be read at all, its name comes
// from the system's snapshot and its path stays empty. A path not read yet is asked for again 1,
// 2, 4, ... 32 ticks after the process was first seen, then once every 60 ticks: one still
// starting gives it soon, one that refuses costs next to nothing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/date_time.h"
#include "platform/kernel.h"
#include "platform/native_system_info.h"
#include "platform/process_status.h"
#include "platform/user_interface.h"
#include "snapshot/process_snapshot.h"
#include "snapshot/process_source.h"
#include "snapshot/psapi_binding.h"

namespace snapshot {

// The id buffer handed to EnumProcesses: fixed, never grown; more processes are cut off.
constexpr std::uint32_t kPidBufferBytes = 0xFFFC;
constexpr std::uint32_t kMaxPids = kPidBufferBytes / 4;
// A path is kept to MAX_PATH characters; the buffer holds that many of UTF-8 (at most three
// bytes for each UTF-16 unit the system counts).
constexpr std::size_t kPathCharacters = 260;
constexpr int kPathBufferSize = kPathCharacters * 3 + 1;
// Shown when the process ids cannot be read.
constexpr const char* kEnumFailedText = "Chyba";
constexpr const char* kMessageCaption = "Ravo Info Process";
// The idle process has no image name; tool help calls it so.
constexpr const char* kIdleProcessName = "[System Process]";

class NtProcessList : public ProcessSource {
 public:
  // `clock` times each refill, for the processor share each process took since the last one.
  NtProcessList(platform::Kernel& kernel, platform::UserInterface& ui, PsapiBinding& psapi,
                platform::NativeSystemInfo& native, platform::DateTime& clock);

  // The tick's two steps: CollectNtProcessIds, then BuildNtProcessList.
  void Refill(ProcessSnapshot& snapshot) override {
    CollectNtProcessIds();
    BuildNtProcessList(snapshot);
  }

  // Lists this tick's processes: the system's snapshot, else the pid list of the enumeration,
  // which, when it fails, shows "Chyba" and stays empty.
  void CollectNtProcessIds();
  // Refills `snapshot` from what was listed. Every handle opened is closed again here.
  void BuildNtProcessList(ProcessSnapshot& snapshot);

  // A fresh copy of the system's own process snapshot into `processes`, apart from the tick's;
  // false (and `processes` untouched) where the system gives none.
  bool TakeSystemSnapshot(std::vector<platform::NativeProcess>& processes);

  // The ids the enumeration gave, on a system without its own snapshot.
  const std::vector<std::uint32_t>& pid_list() const { return pids_; }
  // Processes whose path and name are kept: those of the last tick.
  std::size_t KnownProcessCount() const { return known_.size(); }

 private:
  // What is read once per process lifetime.
  struct KnownProcess {
    std::uint64_t creation = 0;
    std::string path;
    std::string name;
    bool complete = false;       // its path was read
    std::uint64_t tick = 0;      // the last tick that listed it
    std::uint64_t missing = 0;   // the tick that first found no path, while none has come
    std::uint64_t retry = 0;     // the tick to ask for it again
    std::uint64_t found = 0;     // the tick that read the path of one seen without it
    std::uint64_t busy = 0;      // its user plus kernel time in the last system snapshot
    bool listed_before = false;  // a system snapshot before this tick's listed it
  };

  // Resolves the entry points newer systems have, once, on the first tick.
  void BindEntryPoints();
  // This tick's system snapshot, in the system's order; false when the system gives none.
  bool TakeSystemSnapshot();
  // Fills `record` for the process `listed` in the system's snapshot.
  void FillFromSystemSnapshot(const platform::NativeProcess& listed, processinfos& record);
  // Fills `record` for process `id` by opening it; false when it cannot be opened.
  bool FillByOpening(std::uint32_t id, processinfos& record);
  // The kept path and name of a process, read when it is new.
  KnownProcess& Known(std::uint32_t id, std::uint64_t creation, platform::Handle process,
                      const platform::NativeProcess* listed);
  // Reads the path through an open `process`; true when read.
  bool ReadPath(platform::Handle process, std::string& path);

  platform::Kernel& kernel_;
  platform::UserInterface& ui_;
  PsapiBinding& psapi_;
  platform::NativeSystemInfo& native_;
  platform::DateTime& clock_;
  std::unique_ptr<std::uint32_t[]> buffer_;  // kMaxPids ids, allocated once
  std::vector<std::uint32_t> pids_;
  bool bound_ = false;
  platform::ProcAddress image_name_entry_ = 0;             // QueryFullProcessImageNameW
  platform::ProcAddress system_query_entry_ = 0;           // ZwQuerySystemInformation
  std::vector<platform::NativeProcess> system_processes_;  // this tick's, in the system's order
  bool from_system_ = false;  // this tick listed the system's snapshot, not the pid list
  std::unordered_map<std::uint32_t, KnownProcess> known_;  // by id
  std::uint64_t tick_ = 0;
  std::uint32_t processors_ = 1;
  std::uint32_t refill_ms_ = 0;   // the clock at this refill
  std::uint32_t elapsed_ms_ = 0;  // since the last one; 0 at the first
};

}  // namespace snapshot
