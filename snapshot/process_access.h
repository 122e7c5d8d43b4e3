#pragma once
// The rights each step asks a process for. A narrow right is asked first; where the system
// refuses it, the right earlier systems know instead. Every handle comes back owned.
#include <cstdint>

#include "platform/kernel_handle.h"
#include "platform/processes.h"

namespace snapshot {

// What the process list reads a process with: its priority class, and on NT its module path.
constexpr std::uint32_t kProcessOpenAccess =
    platform::kProcessQueryInformation | platform::kProcessVmRead;

// For the priority and time lines: kProcessOpenAccess, or the limited query right where that is
// refused (a 64-bit process seen from this 32-bit one, another session's, a protected one).
platform::KernelHandle OpenProcessToQuery(platform::Processes& kernel, std::uint32_t process_id);

// For an action: `action_right` together with the limited query right, which reads the creation
// time that tells the process from a later one with its id. Before Vista the limited right does
// not exist and is refused (as invalid, or as denied where the system checks it against the
// process's rights); the full query right serves there.
platform::KernelHandle OpenProcessToAct(platform::Processes& kernel, std::uint32_t action_right,
                                        std::uint32_t process_id);

// The creation time of an open process; 0 when it cannot be read (the 9x family never gives it).
std::uint64_t ProcessCreationTime(platform::Processes& kernel, platform::Handle process);

// The user and kernel times of a process, in 100-ns units.
struct CpuTimes {
  std::uint64_t user = 0;
  std::uint64_t kernel = 0;
  friend bool operator==(const CpuTimes&, const CpuTimes&) = default;
};

}  // namespace snapshot
