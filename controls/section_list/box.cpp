#include "controls/section_list/box.h"

#include <utility>

namespace controls::inline section_list {

TSectionListBox::TSectionListBox(std::string name, ui::Component* parent)
    : SectionRows(std::move(name), parent) {
  SetColor(platform::clWindow);
}

TSectionListBox::~TSectionListBox() {
  // The window goes with the list; the sections freed now must not reach for its rows.
  destroying_ = true;
  rows_ = nullptr;
}

void TSectionListBox::SetWordWrap(bool v) {
  if (v == word_wrap_) return;
  word_wrap_ = v;
  RecalcRowHeights();
  UpdateHorizontalExtent();
}

void TSectionListBox::SetSectionFont(const platform::Font& v) {
  if (v == section_font_) return;
  section_font_ = v;
  // Headers may be measured in it.
  ForgetRowWidths(0, static_cast<int>(row_widths_.size()));
  RepaintUnlessUpdating();
  UpdateHorizontalExtent();
}

void TSectionListBox::SetSubItemIndent(int v) {
  if (v == sub_item_indent_) return;
  sub_item_indent_ = v;
  RepaintUnlessUpdating();
  UpdateHorizontalExtent();
}

void TSectionListBox::SetWallpaper(ui::Picture picture) {
  wallpaper_ = std::move(picture);
  wallpaper_bitmap_.reset();
  RepaintUnlessUpdating();
}

void TSectionListBox::SetExpandGlyph(ui::Picture picture) {
  expand_glyph_ = std::move(picture);
  expand_bitmap_.reset();
  RepaintUnlessUpdating();
}

void TSectionListBox::SetContractGlyph(ui::Picture picture) {
  contract_glyph_ = std::move(picture);
  contract_bitmap_.reset();
  RepaintUnlessUpdating();
}

void TSectionListBox::SetOneExpanded(bool v) {
  one_expanded_ = v;
  if (!v) return;
  SectionListView::Batch batch(this);
  for (int i = 0; i < sections_.Count(); ++i)
    sections_.Item(i).SetState(i == 0 ? lssExpanded : lssContracted);
}

void TSectionListBox::SetSubItemHeight(int v) {
  if (v == sub_item_height_) return;
  // Sections keep their own ItemHeight; only new sections take this one.
  sub_item_height_ = v;
  RecalcRowHeights();
}

void TSectionListBox::SetPictureContainer(const markup::PictureContainer* pictures) {
  if (pictures == pictures_) return;
  pictures_ = pictures;
  RecalcRowHeights();
}

void TSectionListBox::SetSectionHeight(int v) {
  if (v == section_height_) return;
  section_height_ = v;
  RecalcRowHeights();
}

void TSectionListBox::ContractAll() {
  SectionListView::Batch batch(this);
  SetItemIndex(0);
  for (int i = 0; i < sections_.Count(); ++i) sections_.Item(i).SetState(lssContracted);
}

void TSectionListBox::ScrollSectionToTop(int section_index) {
  if (section_index < 0 || section_index >= sections_.Count()) return;
  SetTopIndex(FirstRowOfSection(section_index));
}

void TSectionListBox::ToggleSection(int row) {
  TListSection* section = SectionAtRow(row);
  if (!section) return;
  const int index = SectionIndexOfRow(row);
  if (section->State() == lssExpanded && !one_expanded_) {
    section->SetState(lssContracted);
    if (OnContractSection) OnContractSection(*this, index);
    return;
  }
  if (one_expanded_) {
    // A click on the expanded section keeps it expanded and reports it again.
    SectionListView::Batch batch(this);
    for (int i = 0; i < sections_.Count(); ++i)
      sections_.Item(i).SetState(i == index ? lssExpanded : lssContracted);
  } else {
    section->SetState(lssExpanded);
  }
  if (OnExpandSection) OnExpandSection(*this, index);
}

bool TSectionListBox::VerticalScroll(bool thumb_tracking) {
  return thumb_tracking && !scroll_track_;
}

void TSectionListBox::Scrolled() {
  // The wallpaper is tiled from the client origin while the rows move: unless the rows move by
  // whole tiles it must be drawn again.
  if (!wallpaper_.Empty() && wallpaper_.height != sub_item_height_) Invalidate();
}

void TSectionListBox::BoundsChanged() {
  if (word_wrap_) RecalcRowHeights();
}

}  // namespace controls::inline section_list
