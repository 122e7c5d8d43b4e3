#pragma once
#include "controls/section_list/types.h"

namespace controls::inline section_list {

class SectionListView;

// One tab stop of a section list's plain text, in pixels from the list's left edge. A change
// repaints the list and recomputes how far it scrolls sideways.
class TTabPositionItem {
 public:
  explicit TTabPositionItem(SectionListView* view) : view_(view) {}

  int TabPosition() const { return position_; }
  void SetTabPosition(int position);
  TTabType TabType() const { return type_; }
  void SetTabType(TTabType type);
  // The stop as the text drawing takes it: negative for a right-aligned stop.
  int Stop() const { return type_ == tabright ? -position_ : position_; }

 private:
  SectionListView* view_;
  int position_ = 0;
  TTabType type_ = tableft;
};

}  // namespace controls::inline section_list
