#pragma once
// The priority classes a refresh hands to the list sync, read before any list is edited, so
// that the sync itself makes no platform call.
#include <cstdint>
#include <vector>

#include "platform/processes.h"
#include "snapshot/process_info.h"

namespace snapshot {

// By position in the tick's process list; 0 where none was read, as a failed query gives 0.
using PriorityClasses = std::vector<std::uint32_t>;

// Reads the class of each record at `positions` (ascending), one open per process, into
// `classes`, which is resized to the list.
void ReadPriorityClasses(platform::Processes& kernel, const std::vector<processinfos>& processes,
                         const std::vector<std::size_t>& positions, PriorityClasses& classes);

}  // namespace snapshot
