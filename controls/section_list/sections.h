#pragma once
#include <memory>
#include <vector>

#include "controls/section_list/section.h"
#include "controls/section_list/view.h"

namespace controls::inline section_list {

// The sections of a section list, owned by it. Each section keeps its rows in the list's row
// list from its creation to its removal.
class TListSectionCollection {
 public:
  // `view` may be null for a collection that belongs to no list.
  explicit TListSectionCollection(SectionListView* view) : view_(view) {}
  TListSectionCollection(const TListSectionCollection&) = delete;
  TListSectionCollection& operator=(const TListSectionCollection&) = delete;

  SectionListView* View() const { return view_; }

  // A new section with the initial values, its (empty) header row appended to the rows.
  TListSection& Add();
  // An index outside 0..Count()-1 throws std::out_of_range.
  TListSection& Item(int index) const;
  int Count() const { return static_cast<int>(sections_.size()); }
  int IndexOf(const TListSection* section) const;
  // Removes a section with its rows.
  void Delete(int index);
  void Clear();
  // Replaces every section by a copy of those of `from` (TListSection::Assign).
  void Assign(const TListSectionCollection& from);

 private:
  SectionListView* view_;
  std::vector<std::unique_ptr<TListSection>> sections_;
};

}  // namespace controls::inline section_list
