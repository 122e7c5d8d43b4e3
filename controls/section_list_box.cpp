#include "controls/section_list_box.h"

namespace controls {

int TSectionListBox::AddSection(const std::string& caption) {
  sections_.push_back({caption});
  RebuildRows();
  return SectionCount() - 1;
}

void TSectionListBox::SetSectionCaption(int index, const std::string& caption) {
  TListSection& section = sections_.at(static_cast<std::size_t>(index));
  if (section.Caption == caption) return;
  section.Caption = caption;
  RebuildRows();
}

void TSectionListBox::AttachRows(RowList* rows) {
  rows_ = rows;
  RebuildRows();
}

void TSectionListBox::RebuildRows() {
  if (!rows_) return;
  rows_->Clear();
  for (const TListSection& section : sections_) rows_->Add(section.Caption);
}

}  // namespace controls
