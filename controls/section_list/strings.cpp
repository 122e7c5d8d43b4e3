#include "controls/section_list/strings.h"

#include <algorithm>

#include "controls/section_list/section.h"
#include "controls/section_list/view.h"

namespace controls::inline section_list {

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
  SectionListView* view = section_ ? section_->View() : nullptr;
  if (!view) return;
  if (section_->State() == lssExpanded) view->SubItemInserted(*section_, index);
  // A first sub-item turns the header's empty node into a full one.
  if (Count() == 1) view->HeaderLooksChanged(*section_);
  view->WidthsChanged();
}

void TSectionListStrings::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  SectionListView* view = section_ ? section_->View() : nullptr;
  if (view && section_->State() == lssExpanded) view->SubItemsDeleting(*section_, index, 1);
  items_.erase(items_.begin() + index);
  if (view && items_.empty()) view->HeaderLooksChanged(*section_);
  if (view) view->WidthsChanged();
}

void TSectionListStrings::Clear() {
  SectionListView* view = section_ ? section_->View() : nullptr;
  if (view && section_->State() == lssExpanded) view->SubItemsDeleting(*section_, 0, Count());
  const bool had_items = !items_.empty();
  items_.clear();
  if (view && had_items) view->HeaderLooksChanged(*section_);
  if (view) view->WidthsChanged();
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
  if (SectionListView* view = section_->View()) view->WidthsChanged();
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
  SectionListView* view = section_ ? section_->View() : nullptr;
  if (!view || section_->State() != lssExpanded) return;
  for (int j = 0; j < Count(); ++j) view->SubItemTextChanged(*section_, j);
}

}  // namespace controls::inline section_list
