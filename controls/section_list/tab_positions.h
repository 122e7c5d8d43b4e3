#pragma once
#include <memory>
#include <vector>

#include "controls/section_list/tab_position.h"

namespace controls::inline section_list {

// The tab stops of a section list, owned by it.
class TTabPositionCollection {
 public:
  explicit TTabPositionCollection(SectionListView* view) : view_(view) {}

  TTabPositionItem& Add();
  // An index outside 0..Count()-1 throws std::out_of_range.
  TTabPositionItem& Item(int index) const;
  int Count() const { return static_cast<int>(items_.size()); }
  void Delete(int index);
  void Clear();
  // The stops for tabbed text, or none (the default stops) unless 1 to 19 are set.
  std::vector<int> Stops() const;

 private:
  SectionListView* view_;
  std::vector<std::unique_ptr<TTabPositionItem>> items_;
};

}  // namespace controls::inline section_list
