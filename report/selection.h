#pragma once
// The report selection: what the user chose to do and which items were ticked. Filled by the
// report window, read by the report assembly.
#include <cstdint>
#include <string>
#include <vector>

#include "controls/section_list/types.h"

namespace report {

enum ReportMode : std::uint8_t { kModeNone = 0, kModePrint = 1, kModeSend = 2, kModeSave = 3 };

struct selitem {
  std::int32_t SectionIndex = 0;
  std::int32_t ItemIndex = 0;
  std::uint8_t CheckState = 0;  // always 1: only ticked items are collected
  std::string ItemText;
  std::string SectionCaption;
  // The key of the row it was ticked on: for a process, which one, as it was staged.
  controls::TItemKey Key = {};
};

struct sel {
  std::uint8_t Mode = kModeNone;
  std::vector<selitem> Items;
};

}  // namespace report
