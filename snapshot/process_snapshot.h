#pragma once
// The process list of the current tick. One instance lives as long as the main window; the
// family's list builder refills it at every tick and everything else only reads it.
#include <cassert>
#include <cstdint>
#include <vector>

#include "snapshot/hex_text.h"
#include "snapshot/process_info.h"

namespace snapshot {

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
  void Erase(const ProcessIdentity& identity) {
    for (auto it = processes_.begin(); it != processes_.end(); ++it) {
      if (IdentityOf(*it) == identity) {
        processes_.erase(it);
        return;
      }
    }
  }
  // The record of a process that is still listed, or nullptr.
  const processinfos* Find(const ProcessIdentity& identity) const {
    for (const processinfos& record : processes_)
      if (IdentityOf(record) == identity) return &record;
    return nullptr;
  }
  void Reserve(std::size_t count) { processes_.reserve(count); }

  // How the family writes a process id: 8 uppercase hex digits (9x) or decimal (NT).
  void SetHexIds(bool hex) { hex_ids_ = hex; }
  std::string IdText(std::uint32_t id) const {
    std::string text;
    hex_ids_ ? AssignHex8(text, id) : AssignDecimal(text, id);
    return text;
  }

 private:
  std::vector<processinfos> processes_;
  bool hex_ids_ = false;
};

}  // namespace snapshot
