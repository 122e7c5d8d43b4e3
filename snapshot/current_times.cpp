#include "snapshot/current_times.h"

#include "snapshot/nt_process_list.h"

namespace snapshot {

std::optional<CpuTimes> CurrentProcessTimes::Of(const ProcessIdentity& process) {
  if (!taken_) {
    taken_ = true;
    from_system_ = nt_ != nullptr && nt_->TakeSystemSnapshot(system_);
  }
  if (!from_system_) return ByOpening(process);
  for (const platform::NativeProcess& listed : system_)
    if (listed.id == process.id && listed.creation == process.creation)
      return CpuTimes{listed.user, listed.kernel};
  return std::nullopt;
}

std::optional<CpuTimes> CurrentProcessTimes::ByOpening(const ProcessIdentity& process) {
  const platform::KernelHandle opened = OpenProcessToQuery(kernel_, process.id);
  platform::ProcessTimes times;
  if (!opened || !kernel_.GetProcessTimes(opened.get(), times)) return CpuTimes{};
  // A row without a creation time (the 9x family) knows its process by its id alone.
  if (process.creation != 0 && times.creation != process.creation) return std::nullopt;
  return CpuTimes{times.user, times.kernel};
}

}  // namespace snapshot
