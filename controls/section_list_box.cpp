#include "controls/section_list_box.h"

#include "platform/canvas.h"

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
  if (rows_) rows_->SetText(index, caption);
}

void TSectionListBox::AttachRows(ui::ListRows* rows) {
  rows_ = rows;
  RebuildRows();
}

void TSectionListBox::RebuildRows() {
  if (!rows_) return;
  rows_->Clear();
  for (const TListSection& section : sections_)
    rows_->Insert(-1, section.Caption, 1, kSectionHeight);
}

void TSectionListBox::PaintBackground(platform::Canvas& canvas, const platform::Rect& area) {
  canvas.FillRect(area, Color());
}

void TSectionListBox::DrawRow(platform::Canvas& canvas, const ui::RowPaint& row) {
  if (!rows_) return;
  canvas.FillRect(row.rect, row.selected ? platform::clHighlight : Color());
  platform::Font font = Font();
  if (row.selected) font.color = platform::clHighlightText;
  canvas.SetFont(font);
  canvas.SetBkMode(platform::BkMode::kTransparent);
  platform::Rect text = row.rect;
  text.left += kSectionIndent;
  canvas.DrawText(
      rows_->Text(row.row), text,
      platform::kDtLeft | platform::kDtVCenter | platform::kDtSingleLine | platform::kDtNoPrefix);
  if (row.focused) canvas.DrawFocusRect(row.rect);
}

}  // namespace controls
