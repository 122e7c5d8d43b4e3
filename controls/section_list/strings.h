#pragma once
// The sub-items of one section: an ordered string list whose entries carry an image index and a
// check mark. While the section is expanded every change is mirrored into the list's rows.
#include <string>
#include <vector>

#include "controls/section_list/types.h"

namespace controls::inline section_list {

class TListSection;

class TSectionListStrings {
 public:
  // `section` owns the strings; null makes a free-standing list (to fill and assign from).
  explicit TSectionListStrings(TListSection* section = nullptr) : section_(section) {}
  TSectionListStrings(const TSectionListStrings&) = delete;
  TSectionListStrings& operator=(const TSectionListStrings&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // An index outside 0..Count()-1 throws std::out_of_range.
  const std::string& Strings(int index) const { return Item(index).text; }
  const TSubItem& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<TSubItem>& Items() const { return items_; }

  // Each returns the index of the new entry.
  int Add(const std::string& text, const TItemKey& key = {});
  int AddItem(const TSubItem& item);
  void Insert(int index, const std::string& text, const TItemKey& key = {});
  void Delete(int index);
  void Clear();
  // Replaces a string in place; its image and mark stay.
  void SetString(int index, const std::string& text);
  // Copies another list's entries with their images and marks. The section is contracted
  // meanwhile, so its rows are rebuilt once.
  void Assign(const TSectionListStrings& from);
  void Assign(const std::vector<TSubItem>& items);

 private:
  friend class TListSection;

  void InsertItem(int index, const TSubItem& item);
  void Sort(TSortDirection direction);
  // Puts every string whose row shows another text into its row.
  void SyncRows();

  TListSection* section_;
  std::vector<TSubItem> items_;
};

}  // namespace controls::inline section_list
