#include "controls/section_list/sections.h"

#include <algorithm>

namespace controls::inline section_list {

namespace {
// What a section starts with when it belongs to no list.
constexpr int kDefaultItemHeight = 13;
}  // namespace

TListSection& TListSectionCollection::Add() {
  const platform::Color color = view_ ? view_->NewSectionColor() : platform::clWindow;
  const int item_height = view_ ? view_->NewSectionItemHeight() : kDefaultItemHeight;
  sections_.push_back(std::make_unique<TListSection>(*this, color, item_height));
  TListSection& section = *sections_.back();
  if (view_) view_->SectionAdded(section);
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
  if (view_) view_->SectionRemoving(*sections_[static_cast<std::size_t>(index)]);
  sections_.erase(sections_.begin() + index);
  if (view_) view_->WidthsChanged();
}

void TListSectionCollection::Clear() {
  if (view_) view_->SectionsClearing();
  sections_.clear();
  if (view_) view_->WidthsChanged();
}

void TListSectionCollection::Assign(const TListSectionCollection& from) {
  if (&from == this) return;
  SectionListView::Batch batch(view_);
  Clear();
  for (const auto& section : from.sections_) Add().Assign(*section);
}

}  // namespace controls::inline section_list
