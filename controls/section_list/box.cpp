#include "controls/section_list/box.h"

#include <algorithm>
#include <utility>

namespace controls::inline section_list {

TSectionListBox::TSectionListBox(std::string name, ui::Component* parent)
    : ui::ListBox(std::move(name), parent) {
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

void TSectionListBox::FontChanged() {
  // Sub-items may be measured in it.
  ForgetRowWidths(0, static_cast<int>(row_widths_.size()));
  NoteChange();
  UpdateHorizontalExtent();
}

void TSectionListBox::SectionFontChanged(const TListSection& section) {
  if (HasRows()) {
    const int count = 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
    ForgetRowWidths(FirstRowOfSection(section.Index()), count);
  }
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

int TSectionListBox::ItemIndex() const {
  return rows_ ? rows_->Selected() : -1;
}

void TSectionListBox::SetItemIndex(int row) {
  if (!rows_) return;
  const int was = rows_->Selected();
  rows_->SetSelected(row);
  // The box does not redraw inside a batch: the rows that lost and gained the mark repaint
  // when it ends.
  if (update_count_ > 0 && was != row) {
    NoteRowChange(was);
    NoteRowChange(row);
  }
}

int TSectionListBox::TopIndex() const {
  return rows_ ? rows_->TopRow() : 0;
}

void TSectionListBox::SetTopIndex(int row) {
  if (rows_) rows_->SetTopRow(row);
}

void TSectionListBox::BeginUpdate() {
  // One measuring canvas serves the whole batch.
  ++measuring_depth_;
  // The native list would repaint at every row inserted or deleted.
  if (update_count_++ == 0 && View()) View()->SetRedraw(false);
}

void TSectionListBox::EndUpdate() {
  if (update_count_ == 0) return;
  // The batch is closed and redraw is back before anything that could fail, and before any
  // repaint is asked for: a window that does not redraw keeps no invalid area.
  --update_count_;
  if (--measuring_depth_ == 0) measuring_.reset();
  if (update_count_ > 0) return;
  if (View()) View()->SetRedraw(true);
  const BatchChange change = std::exchange(batch_change_, BatchChange::kNone);
  std::vector<int> rows = std::exchange(changed_rows_, {});
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // A batch that changed nothing repaints nothing: the refresh runs one every second. One that
  // only rewrote some rows repaints those, without erasing the list under the others.
  if (change == BatchChange::kWhole) {
    Invalidate();
  } else if (change == BatchChange::kRows) {
    for (const int row : rows) RepaintRow(row);
  }
  if (change == BatchChange::kNone) return;
  UpdateHorizontalExtent();
  // Painted now, not at some later paint: a click queued behind the batch (a refresh tick's)
  // then lands on rows the user has seen.
  if (View()) View()->UpdateWindow();
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

int TSectionListBox::FirstRowOfSection(int section_index) const {
  int row = 0;
  for (int i = 0; i < section_index && i < sections_.Count(); ++i) {
    const TListSection& section = sections_.Item(i);
    row += 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
  }
  return row;
}

int TSectionListBox::SectionIndexOfRow(int row) const {
  int end = 0;
  for (int i = 0; i < sections_.Count(); ++i) {
    const TListSection& section = sections_.Item(i);
    end += 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
    if (row < end) return i;
  }
  return sections_.Count() - 1;
}

int TSectionListBox::SubItemIndexOfRow(int row) const {
  return row - FirstRowOfSection(SectionIndexOfRow(row)) - 1;
}

TListSection* TSectionListBox::SectionAtRow(int row) const {
  const int index = SectionIndexOfRow(row);
  return index >= 0 && index < sections_.Count() ? &sections_.Item(index) : nullptr;
}

TListSection* TSectionListBox::SelectedSection() const {
  const int row = ItemIndex();
  return row < 0 ? nullptr : SectionAtRow(row);
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

void TSectionListBox::RepaintUnlessUpdating() {
  if (update_count_ == 0)
    Invalidate();
  else
    NoteChange();
}

void TSectionListBox::NoteChange() {
  if (update_count_ > 0) batch_change_ = BatchChange::kWhole;
}

void TSectionListBox::NoteRowChange(int row) {
  if (update_count_ == 0 || batch_change_ == BatchChange::kWhole) return;
  batch_change_ = BatchChange::kRows;
  changed_rows_.push_back(row);
}

void TSectionListBox::RepaintRow(int row) {
  if (update_count_ > 0) {
    NoteRowChange(row);
    return;
  }
  if (!HasRows() || row < 0 || row >= rows_->Count()) return;
  InvalidateRect(rows_->RowRect(row));
}

void TSectionListBox::RepaintImages(const platform::ImageList& images,
                                    const std::vector<int>& indexes) {
  const bool headers = section_images_ == &images;
  const bool sub_items = sub_item_images_ == &images;
  if (indexes.empty() || !HasRows() || (!headers && !sub_items)) return;
  auto changed = [&](int image) {
    return std::binary_search(indexes.begin(), indexes.end(), image);
  };
  int row = 0;
  for (int i = 0; i < sections_.Count(); ++i) {
    const TListSection& section = sections_.Item(i);
    if (headers && changed(section.ImageIndex())) RepaintRow(row);
    ++row;
    if (section.State() != lssExpanded) continue;
    for (int j = 0; j < section.SubItems().Count(); ++j, ++row)
      if (sub_items && changed(section.SubItemImageIndex(j))) RepaintRow(row);
  }
}

void TSectionListBox::HeaderLooksChanged(const TListSection& section) {
  // Inside a batch the row's place is not needed: the batch repaints.
  if (update_count_ > 0) {
    NoteChange();
    return;
  }
  RepaintRow(FirstRowOfSection(section.Index()));
}

void TSectionListBox::SubItemLooksChanged(const TListSection& section, int index) {
  RepaintRow(FirstRowOfSection(section.Index()) + 1 + index);
}

void TSectionListBox::TabsChanged() {
  ForgetRowWidths(0, static_cast<int>(row_widths_.size()));
  RepaintUnlessUpdating();
  UpdateHorizontalExtent();
}

void TSectionListBox::AttachRows(ui::ListRows* rows) {
  rows_ = rows;
  if (View()) scroll_bar_width_ = View()->VerticalScrollBarWidth();
  if (rows_) FillRows();
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

std::string TSectionListBox::RowText(const TListSection&, int row) const {
  return rows_ ? rows_->Text(row) : std::string();
}

}  // namespace controls::inline section_list
