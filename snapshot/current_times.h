#pragma once
// The processor times of listed processes as they stand now, for a report made after the user
// chose its items. Where the system gives its own process snapshot, one taken at the first
// question answers all of them, so a process that refuses to be opened shows the times the
// detail lines show; elsewhere each process is opened and asked.
#include <optional>
#include <vector>

#include "platform/native_system_info.h"
#include "platform/processes.h"
#include "snapshot/process_access.h"
#include "snapshot/process_info.h"

namespace snapshot {

class NtProcessList;

class CurrentProcessTimes {
 public:
  // `nt` is the NT family's list, which takes the system's snapshot; null on the 9x family.
  CurrentProcessTimes(platform::Processes& kernel, NtProcessList* nt) : kernel_(kernel), nt_(nt) {}

  // The times of `process`; nullopt when it no longer runs (its id may serve another process by
  // now, which its creation time tells). A process that runs but cannot be read has times of 0.
  std::optional<CpuTimes> Of(const ProcessIdentity& process);

 private:
  std::optional<CpuTimes> ByOpening(const ProcessIdentity& process);

  platform::Processes& kernel_;
  NtProcessList* nt_;
  bool taken_ = false;
  bool from_system_ = false;
  std::vector<platform::NativeProcess> system_;
};

}  // namespace snapshot
