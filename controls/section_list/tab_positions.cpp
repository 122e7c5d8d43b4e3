#include "controls/section_list/tab_positions.h"

#include "controls/section_list/view.h"

namespace controls::inline section_list {

namespace {
// The text drawing takes at most this many explicit stops.
constexpr int kMaxTabStops = 19;
}  // namespace

void TTabPositionItem::SetTabPosition(int position) {
  if (position == position_) return;
  position_ = position;
  if (view_) view_->TabsChanged();
}

void TTabPositionItem::SetTabType(TTabType type) {
  if (type == type_) return;
  type_ = type;
  if (view_) view_->TabsChanged();
}

TTabPositionItem& TTabPositionCollection::Add() {
  items_.push_back(std::make_unique<TTabPositionItem>(view_));
  if (view_) view_->TabsChanged();
  return *items_.back();
}

TTabPositionItem& TTabPositionCollection::Item(int index) const {
  return *items_.at(static_cast<std::size_t>(index));
}

void TTabPositionCollection::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (view_) view_->TabsChanged();
}

void TTabPositionCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  if (view_) view_->TabsChanged();
}

std::vector<int> TTabPositionCollection::Stops() const {
  std::vector<int> stops;
  if (Count() < 1 || Count() > kMaxTabStops) return stops;
  for (const auto& item : items_) stops.push_back(item->Stop());
  return stops;
}

}  // namespace controls::inline section_list
