#include "controls/section_list_strings.h"

#include <algorithm>

#include "controls/list_section.h"
#include "controls/section_list_box.h"

namespace controls {

int TSectionListStrings::Add(const std::string& text, const TItemKey& key) {
  return AddItem({.text = text, .key = key});
}

int TSectionListStrings::AddItem(const TSubItem& item) {
  InsertItem(Count(), item);
  return Count() - 1;
}

void TSectionListStrings::Insert(int index, const std::string& text, const TItemKey& key) {
  if (index < 0 || index > Count()) return;
  InsertItem(index, {.text = text, .key = key});
}

void TSectionListStrings::InsertItem(int index, const TSubItem& item) {
  items_.insert(items_.begin() + index, item);
  TSectionListBox* box = section_ ? section_->Box() : nullptr;
  if (!box) return;
  if (section_->State() == lssExpanded) box->InsertSubItemRow(*section_, index);
  // A first sub-item turns the header's empty node into a full one.
  if (Count() == 1) box->RepaintHeaderRow(*section_);
  box->UpdateHorizontalExtent();
}

void TSectionListStrings::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  TSectionListBox* box = section_ ? section_->Box() : nullptr;
  if (box && section_->State() == lssExpanded) box->DeleteSubItemRows(*section_, index, 1);
  items_.erase(items_.begin() + index);
  if (box && items_.empty()) box->RepaintHeaderRow(*section_);
  if (box) box->UpdateHorizontalExtent();
}

void TSectionListStrings::Clear() {
  TSectionListBox* box = section_ ? section_->Box() : nullptr;
  if (box && section_->State() == lssExpanded) box->DeleteSubItemRows(*section_, 0, Count());
  const bool had_items = !items_.empty();
  items_.clear();
  if (box && had_items) box->RepaintHeaderRow(*section_);
  if (box) box->UpdateHorizontalExtent();
}

void TSectionListStrings::SetString(int index, const std::string& text) {
  if (index < 0 || index >= Count()) return;
  items_[static_cast<std::size_t>(index)].text = text;
  SyncRows();
}

void TSectionListStrings::Assign(const TSectionListStrings& from) {
  if (&from == this) return;
  Assign(from.items_);
}

void TSectionListStrings::Assign(const std::vector<TSubItem>& items) {
  if (!section_) {
    items_ = items;
    return;
  }
  const TListSectionState state = section_->State();
  section_->SetState(lssContracted);
  items_ = items;
  section_->SetState(state);
  if (TSectionListBox* box = section_->Box()) box->UpdateHorizontalExtent();
}

void TSectionListStrings::Sort(TSortDirection direction) {
  // Ordinal comparison of the text bytes; equal texts may come out in either order.
  if (direction == sdAscending)
    std::sort(items_.begin(), items_.end(),
              [](const TSubItem& a, const TSubItem& b) { return a.text < b.text; });
  else if (direction == sdDescending)
    std::sort(items_.begin(), items_.end(),
              [](const TSubItem& a, const TSubItem& b) { return b.text < a.text; });
  SyncRows();
}

void TSectionListStrings::SyncRows() {
  TSectionListBox* box = section_ ? section_->Box() : nullptr;
  if (!box || section_->State() != lssExpanded) return;
  for (int j = 0; j < Count(); ++j) box->SyncSubItemRowText(*section_, j);
}

}  // namespace controls
