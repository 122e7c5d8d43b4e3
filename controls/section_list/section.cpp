#include "controls/section_list/section.h"

#include "controls/section_list/error.h"
#include "controls/section_list/sections.h"
#include "controls/section_list/view.h"

namespace controls::inline section_list {

TListSection::TListSection(TListSectionCollection& collection, platform::Color color,
                           int item_height)
    : collection_(collection), color_(color), item_height_(item_height) {}

SectionListView* TListSection::View() const {
  return collection_.View();
}

int TListSection::Index() const {
  return collection_.IndexOf(this);
}

void TListSection::Changed() {
  if (SectionListView* view = View()) view->LooksChanged();
}

void TListSection::SetFont(const platform::Font& v) {
  if (v == font_) return;
  font_ = v;
  if (SectionListView* view = View()) view->SectionFontChanged(*this);
}

void TListSection::SetFontUsage(TFontUsage v) {
  if (v == font_usage_) return;
  font_usage_ = v;
  if (SectionListView* view = View()) view->SectionFontChanged(*this);
}

void TListSection::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (SectionListView* view = View()) view->CaptionChanged(*this);
}

void TListSection::SetState(TListSectionState state) {
  if (state == state_) return;
  // The rows go in or out before the state is stored (their place follows from the sections
  // before this one), and the list repaints once the state matches them again.
  SectionListView* view = View();
  SectionListView::Batch batch(view);
  if (view && state == lssExpanded) view->Expanding(*this);
  if (view && state == lssContracted) view->Contracting(*this);
  state_ = state;
}

void TListSection::SetItemHeight(int height) {
  item_height_ = height;
  if (state_ != lssExpanded) return;
  SetState(lssContracted);
  SetState(lssExpanded);
}

void TListSection::SetSortDirection(TSortDirection direction) {
  sort_direction_ = direction;
  if (direction == sdNone || sub_items_.Count() == 0) return;
  SectionListView::Batch batch(View());
  const TListSectionState state = state_;
  SetState(lssContracted);
  sub_items_.Sort(direction);
  SetState(state);
}

std::int16_t TListSection::SubItemImageIndex(int index) const {
  if (index < 0 || index >= sub_items_.Count()) return -1;
  return sub_items_.Item(index).image_index;
}

void TListSection::SetSubItemImageIndex(int index, std::int16_t image) {
  if (index < 0 || index >= sub_items_.Count()) throw ESectionListBoxError();
  sub_items_.items_[static_cast<std::size_t>(index)].image_index = image;
  RepaintSubItem(index);
}

bool TListSection::SubItemChecked(int index) const {
  if (index < 0 || index >= sub_items_.Count()) return false;
  return sub_items_.Item(index).checked;
}

void TListSection::SetSubItemChecked(int index, bool checked) {
  if (index < 0 || index >= sub_items_.Count()) throw ESectionListBoxError();
  sub_items_.items_[static_cast<std::size_t>(index)].checked = checked;
  RepaintSubItem(index);
}

void TListSection::RepaintSubItem(int index) {
  SectionListView* view = View();
  if (view && state_ == lssExpanded) view->SubItemLooksChanged(*this, index);
}

void TListSection::Assign(const TListSection& from) {
  if (&from == this) return;
  SetCaption(from.caption_);
  key_ = from.key_;
  sub_items_.Assign(from.sub_items_);
  SetAlignment(from.alignment_);
  SetColor(from.color_);
  SetControlType(from.control_type_);
  SetEndEllipsis(from.end_ellipsis_);
  SetFixed(from.fixed_);
  SetRadioIndex(from.radio_index_);
  SetFontUsage(from.font_usage_);
  SetFont(from.font_);
  SetImageIndex(from.image_index_);
  SetLines(from.lines_);
  SetState(from.state_);
}

}  // namespace controls::inline section_list
