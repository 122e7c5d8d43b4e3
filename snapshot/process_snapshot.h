#pragma once
// The process list of the current tick. One instance lives as long as the main window; the
// family's list builder refills it at every tick and everything else only reads it.
#include <cassert>
#include <cstdint>
#include <vector>

#include "platform/process_status.h"

#include "snapshot/process_info.h"

namespace snapshot {

// What both families ask of each process: its priority class, and on NT its executable path.
constexpr std::uint32_t kProcessOpenAccess =
    platform::kProcessQueryInformation | platform::kProcessVmRead;

class ProcessSnapshot {
 public:
  const std::vector<processinfos>& processes() const { return processes_; }

  // For the list builders: the list to refill. Records are reused from tick to tick so that
  // their strings keep their capacity; `Truncate` drops what the new tick did not fill.
  processinfos& Slot(std::size_t index) {
    assert(index <= processes_.size());
    if (index == processes_.size()) processes_.emplace_back();
    return processes_[index];
  }
  void Truncate(std::size_t count) { processes_.resize(count); }
  // A process the user ended leaves the list at once, with its place in the lists.
  void Erase(std::size_t index) {
    if (index < processes_.size()) processes_.erase(processes_.begin() + index);
  }
  void Reserve(std::size_t count) { processes_.reserve(count); }

 private:
  std::vector<processinfos> processes_;
};

}  // namespace snapshot
