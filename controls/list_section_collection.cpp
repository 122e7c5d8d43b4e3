#include "controls/list_section_collection.h"

#include <algorithm>

#include "controls/section_list_box.h"

namespace controls {

namespace {
// What a section starts with when it belongs to no list.
constexpr int kDefaultItemHeight = 13;
}  // namespace

TListSection& TListSectionCollection::Add() {
  const platform::Color color = owner_ ? owner_->Color() : platform::clWindow;
  const int item_height = owner_ ? owner_->SubItemHeight() : kDefaultItemHeight;
  sections_.push_back(std::make_unique<TListSection>(*this, color, item_height));
  TListSection& section = *sections_.back();
  if (owner_) owner_->AppendHeaderRow(section);
  return section;
}

TListSection& TListSectionCollection::Item(int index) const {
  return *sections_.at(static_cast<std::size_t>(index));
}

int TListSectionCollection::IndexOf(const TListSection* section) const {
  const auto it = std::find_if(sections_.begin(), sections_.end(),
                               [section](const auto& s) { return s.get() == section; });
  return it == sections_.end() ? -1 : static_cast<int>(it - sections_.begin());
}

void TListSectionCollection::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  if (owner_) owner_->RemoveSectionRows(*sections_[static_cast<std::size_t>(index)]);
  sections_.erase(sections_.begin() + index);
  if (owner_) owner_->UpdateHorizontalExtent();
}

void TListSectionCollection::Clear() {
  if (owner_) owner_->ClearRows();
  sections_.clear();
  if (owner_) owner_->UpdateHorizontalExtent();
}

void TListSectionCollection::Assign(const TListSectionCollection& from) {
  if (&from == this) return;
  TSectionListBox::UpdateScope batch(owner_);
  Clear();
  for (const auto& section : from.sections_) Add().Assign(*section);
}

}  // namespace controls
