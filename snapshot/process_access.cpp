#include "snapshot/process_access.h"

namespace snapshot {

platform::KernelHandle OpenProcessToQuery(platform::Processes& kernel, std::uint32_t process_id) {
  platform::KernelHandle process(kernel, kernel.OpenProcess(kProcessOpenAccess, false, process_id));
  if (!process)
    process = platform::KernelHandle(
        kernel, kernel.OpenProcess(platform::kProcessQueryLimitedInformation, false, process_id));
  return process;
}

platform::KernelHandle OpenProcessToAct(platform::Processes& kernel, std::uint32_t action_right,
                                        std::uint32_t process_id) {
  platform::KernelHandle process(
      kernel, kernel.OpenProcess(action_right | platform::kProcessQueryLimitedInformation, false,
                                 process_id));
  if (!process)
    process = platform::KernelHandle(
        kernel,
        kernel.OpenProcess(action_right | platform::kProcessQueryInformation, false, process_id));
  return process;
}

std::uint64_t ProcessCreationTime(platform::Processes& kernel, platform::Handle process) {
  platform::ProcessTimes times;
  return process != 0 && kernel.GetProcessTimes(process, times) ? times.creation : 0;
}

}  // namespace snapshot
