#pragma once
// Inside the section list box only: the pieces its files share.
#include "controls/section_list/box.h"

namespace controls::inline section_list {

// Keeps one measuring canvas while rows are measured in a batch; it goes with the outermost.
struct SectionRows::MeasuringHold {
  explicit MeasuringHold(SectionRows& box) : box_(box) { ++box_.measuring_depth_; }
  ~MeasuringHold() {
    if (--box_.measuring_depth_ == 0) box_.measuring_.reset();
  }
  MeasuringHold(const MeasuringHold&) = delete;
  MeasuringHold& operator=(const MeasuringHold&) = delete;
  SectionRows& box_;
};

// The fonts a section's header and sub-item rows are drawn and measured in.
const platform::Font& HeaderFont(const SectionRows& box, const TListSection& section);
const platform::Font& SubItemFont(const SectionRows& box, const TListSection& section);
// Whether a click may expand or contract `section` now.
bool ToggleAllowed(const TSectionListBox& box, const TListSection& section);
// Whether `x` lies on the check box of a sub-item row.
bool InCheckZone(const TSectionListBox& box, int x);

// The selection as the user moves it: the list takes the focus and tells OnChange.
void ClearSelection(TSectionListBox& box);
void MoveSelection(TSectionListBox& box, int row);
void FireChange(TSectionListBox& box);

}  // namespace controls::inline section_list
