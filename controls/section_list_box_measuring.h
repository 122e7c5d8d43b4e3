#pragma once
// Inside the section list box only.
#include "controls/section_list_box.h"

namespace controls {

// Keeps one measuring canvas while rows are measured in a batch; it goes with the outermost.
struct TSectionListBox::MeasuringHold {
  explicit MeasuringHold(TSectionListBox& box) : box_(box) { ++box_.measuring_depth_; }
  ~MeasuringHold() {
    if (--box_.measuring_depth_ == 0) box_.measuring_.reset();
  }
  MeasuringHold(const MeasuringHold&) = delete;
  MeasuringHold& operator=(const MeasuringHold&) = delete;
  TSectionListBox& box_;
};

}  // namespace controls
