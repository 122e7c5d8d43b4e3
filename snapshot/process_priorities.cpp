#include "snapshot/process_priorities.h"

#include "snapshot/process_access.h"

namespace snapshot {

void ReadPriorityClasses(platform::Processes& kernel, const std::vector<processinfos>& processes,
                         const std::vector<std::size_t>& positions, PriorityClasses& classes) {
  classes.assign(processes.size(), 0);
  for (const std::size_t at : positions) {
    const platform::KernelHandle process = OpenProcessToQuery(kernel, processes[at].id);
    if (process) classes[at] = kernel.GetPriorityClass(process.get());
  }
}

}  // namespace snapshot
