// The update batch and what it repaints, and the rows found from the sections and back.
#include <algorithm>
#include <utility>

#include "controls/section_list/rows.h"

namespace controls::inline section_list {

SectionRows::SectionRows(std::string name, ui::Component* parent)
    : ui::ListBox(std::move(name), parent) {}

void SectionRows::FontChanged() {
  // Sub-items may be measured in it.
  ForgetRowWidths(0, static_cast<int>(row_widths_.size()));
  NoteChange();
  UpdateHorizontalExtent();
}

void SectionRows::SectionFontChanged(const TListSection& section) {
  if (HasRows()) {
    const int count = 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
    ForgetRowWidths(FirstRowOfSection(section.Index()), count);
  }
  RepaintUnlessUpdating();
  UpdateHorizontalExtent();
}

int SectionRows::ItemIndex() const {
  return rows_ ? rows_->Selected() : -1;
}

void SectionRows::SetItemIndex(int row) {
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

int SectionRows::TopIndex() const {
  return rows_ ? rows_->TopRow() : 0;
}

void SectionRows::SetTopIndex(int row) {
  if (rows_) rows_->SetTopRow(row);
}

void SectionRows::BeginUpdate() {
  // One measuring canvas serves the whole batch.
  ++measuring_depth_;
  // The native list would repaint at every row inserted or deleted.
  if (update_count_++ == 0 && View()) View()->SetRedraw(false);
}

void SectionRows::EndUpdate() {
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

int SectionRows::FirstRowOfSection(int section_index) const {
  int row = 0;
  for (int i = 0; i < section_index && i < sections_.Count(); ++i) {
    const TListSection& section = sections_.Item(i);
    row += 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
  }
  return row;
}

int SectionRows::SectionIndexOfRow(int row) const {
  int end = 0;
  for (int i = 0; i < sections_.Count(); ++i) {
    const TListSection& section = sections_.Item(i);
    end += 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
    if (row < end) return i;
  }
  return sections_.Count() - 1;
}

int SectionRows::SubItemIndexOfRow(int row) const {
  return row - FirstRowOfSection(SectionIndexOfRow(row)) - 1;
}

TListSection* SectionRows::SectionAtRow(int row) const {
  const int index = SectionIndexOfRow(row);
  return index >= 0 && index < sections_.Count() ? &sections_.Item(index) : nullptr;
}

TListSection* SectionRows::SelectedSection() const {
  const int row = ItemIndex();
  return row < 0 ? nullptr : SectionAtRow(row);
}

void SectionRows::RepaintUnlessUpdating() {
  if (update_count_ == 0)
    Invalidate();
  else
    NoteChange();
}

void SectionRows::NoteChange() {
  if (update_count_ > 0) batch_change_ = BatchChange::kWhole;
}

void SectionRows::NoteRowChange(int row) {
  if (update_count_ == 0 || batch_change_ == BatchChange::kWhole) return;
  batch_change_ = BatchChange::kRows;
  changed_rows_.push_back(row);
}

void SectionRows::RepaintRow(int row) {
  if (update_count_ > 0) {
    NoteRowChange(row);
    return;
  }
  if (!HasRows() || row < 0 || row >= rows_->Count()) return;
  InvalidateRect(rows_->RowRect(row));
}

void SectionRows::RepaintImages(const platform::ImageList& images,
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

void SectionRows::HeaderLooksChanged(const TListSection& section) {
  // Inside a batch the row's place is not needed: the batch repaints.
  if (update_count_ > 0) {
    NoteChange();
    return;
  }
  RepaintRow(FirstRowOfSection(section.Index()));
}

void SectionRows::SubItemLooksChanged(const TListSection& section, int index) {
  RepaintRow(FirstRowOfSection(section.Index()) + 1 + index);
}

void SectionRows::TabsChanged() {
  ForgetRowWidths(0, static_cast<int>(row_widths_.size()));
  RepaintUnlessUpdating();
  UpdateHorizontalExtent();
}

void SectionRows::AttachRows(ui::ListRows* rows) {
  rows_ = rows;
  if (View()) scroll_bar_width_ = View()->VerticalScrollBarWidth();
  if (rows_) FillRows();
}

std::string SectionRows::RowText(const TListSection&, int row) const {
  return rows_ ? rows_->Text(row) : std::string();
}

}  // namespace controls::inline section_list
