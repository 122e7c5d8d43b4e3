#pragma once
// BeginUpdate for one scope: the list repaints once, when the batch ends, on every path.
#include "controls/section_list/box.h"

namespace browser {

class UpdateBatch {
 public:
  explicit UpdateBatch(controls::TSectionListBox& list) : list_(list) { list_.BeginUpdate(); }
  ~UpdateBatch() { list_.EndUpdate(); }
  UpdateBatch(const UpdateBatch&) = delete;
  UpdateBatch& operator=(const UpdateBatch&) = delete;

 private:
  controls::TSectionListBox& list_;
};

}  // namespace browser
