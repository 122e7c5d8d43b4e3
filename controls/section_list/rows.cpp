// The row list kept in step with the sections, and the measuring of rows.
#include <algorithm>
#include <limits>

#include "controls/section_list/parts.h"
#include "controls/section_list/rich_text.h"
#include "controls/section_list/rows.h"

namespace controls::inline section_list {

namespace {

constexpr int kHeaderTag = 1;
constexpr int kSubItemTag = 0;
constexpr int kUnmeasured = -1;

// Sets a flag for a scope and puts back what it was.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = was_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool was_;
};

// The text of a row as the horizontal extent counts it: one line of plain text.
std::string ExtentText(const std::string& text) {
  if (text.find("</") != std::string::npos) return {};
  std::string plain = IsRichText(text) ? RichTextToPlain(text) : text;
  if (const std::size_t cut = plain.find_first_of("\r\n"); cut != std::string::npos)
    plain.resize(cut);
  return plain;
}

}  // namespace

platform::Canvas* SectionRows::Measuring() {
  if (!measuring_ && View()) measuring_ = View()->MeasuringCanvas();
  return measuring_.get();
}

const platform::Font& HeaderFont(const SectionRows& box, const TListSection& section) {
  return section.FontUsage() == fuSubItems ? box.SectionFont() : section.Font();
}

const platform::Font& SubItemFont(const SectionRows& box, const TListSection& section) {
  return section.FontUsage() == fuSection ? box.Font() : section.Font();
}

void SectionRows::RowsInserted(int index, int count) {
  const auto size = static_cast<int>(row_widths_.size());
  const int at = index < 0 || index > size ? size : index;
  row_widths_.insert(row_widths_.begin() + at, static_cast<std::size_t>(std::max(count, 0)),
                     kUnmeasured);
}

void SectionRows::RowsDeleted(int index, int count) {
  const auto size = static_cast<int>(row_widths_.size());
  if (index < 0 || index >= size || count <= 0) return;
  row_widths_.erase(row_widths_.begin() + index,
                    row_widths_.begin() + std::min(size, index + count));
}

void SectionRows::ForgetRowWidths(int first, int count) {
  const int end = std::min(first + count, static_cast<int>(row_widths_.size()));
  for (int row = std::max(first, 0); row < end; ++row)
    row_widths_[static_cast<std::size_t>(row)] = kUnmeasured;
}

void SectionRows::FillRows() {
  MeasuringHold hold(*this);
  {
    FlagScope rebuilding(rebuilding_);
    rows_->Clear();
    for (int i = 0; i < sections_.Count(); ++i) {
      const TListSection& section = sections_.Item(i);
      rows_->Insert(-1, section.Caption(), kHeaderTag, section_height_);
      if (section.State() != lssExpanded) continue;
      for (int j = 0; j < section.SubItems().Count(); ++j) {
        const std::string& text = section.SubItems().Strings(j);
        rows_->Insert(-1, text, kSubItemTag, MeasureSubItem(section, text));
      }
    }
    row_widths_.assign(static_cast<std::size_t>(rows_->Count()), kUnmeasured);
  }
  UpdateHorizontalExtent();
  Invalidate();
}

void SectionRows::SectionAdded(const TListSection& section) {
  NoteChange();
  if (!HasRows()) return;
  rows_->Insert(-1, section.Caption(), kHeaderTag, section_height_);
  RowsInserted(-1, 1);
}

void SectionRows::CaptionChanged(const TListSection& section) {
  if (!HasRows()) return;
  const int row = FirstRowOfSection(section.Index());
  if (rows_->Height(row) != section_height_) {
    NoteChange();  // the rows below move
    rows_->SetHeight(row, section_height_);
  }
  if (rows_->Text(row) == section.Caption()) return;
  NoteRowChange(row);
  rows_->SetText(row, section.Caption());
  ForgetRowWidths(row, 1);
}

void SectionRows::SectionRemoving(const TListSection& section) {
  NoteChange();
  if (!HasRows()) return;
  const int row = FirstRowOfSection(section.Index());
  const int count = 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
  FlagScope rebuilding(rebuilding_);
  for (int k = 0; k < count; ++k) rows_->Delete(row);
  RowsDeleted(row, count);
}

void SectionRows::SectionsClearing() {
  NoteChange();
  if (!HasRows()) return;
  FlagScope rebuilding(rebuilding_);
  rows_->Clear();
  row_widths_.clear();
}

void SectionRows::Expanding(const TListSection& section) {
  NoteChange();
  if (!HasRows()) return;
  const int first = FirstRowOfSection(section.Index()) + 1;
  FlagScope rebuilding(rebuilding_);
  for (int j = 0; j < section.SubItems().Count(); ++j) {
    const std::string& text = section.SubItems().Strings(j);
    rows_->Insert(first + j, text, kSubItemTag, MeasureSubItem(section, text));
  }
  RowsInserted(first, section.SubItems().Count());
}

void SectionRows::Contracting(const TListSection& section) {
  // The header's node shows the new state even when no row goes.
  NoteChange();
  SubItemsDeleting(section, 0, section.SubItems().Count());
}

void SectionRows::SubItemInserted(const TListSection& section, int index) {
  NoteChange();
  if (!HasRows()) return;
  const std::string& text = section.SubItems().Strings(index);
  const int row = FirstRowOfSection(section.Index()) + 1 + index;
  rows_->Insert(row, text, kSubItemTag, MeasureSubItem(section, text));
  RowsInserted(row, 1);
}

void SectionRows::SubItemsDeleting(const TListSection& section, int index, int count) {
  if (!HasRows() || count <= 0) return;
  NoteChange();
  const int row = FirstRowOfSection(section.Index()) + 1 + index;
  FlagScope rebuilding(rebuilding_);
  for (int k = 0; k < count; ++k) rows_->Delete(row);
  RowsDeleted(row, count);
}

void SectionRows::SubItemTextChanged(const TListSection& section, int index) {
  if (!HasRows()) return;
  const int row = FirstRowOfSection(section.Index()) + 1 + index;
  const std::string& text = section.SubItems().Strings(index);
  if (rows_->Text(row) == text) return;
  NoteRowChange(row);
  rows_->SetText(row, text);
  ForgetRowWidths(row, 1);
}

int SectionRows::MeasureSubItem(const TListSection& section, const std::string& text) {
  MeasuringHold hold(*this);
  if (platform::Canvas* canvas = Measuring()) canvas->SetFont(SubItemFont(*this, section));
  return MeasureRow(text, section.AutoSize(), section.ItemHeight());
}

int SectionRows::MeasureRow(const std::string& text, bool auto_size, int item_height) {
  // Rows of a section that does not size them keep one line's height.
  if (!auto_size) return item_height;
  MeasuringHold hold(*this);
  platform::Canvas* canvas = Measuring();
  if (!canvas) return item_height;
  const std::string measured = IsRichText(text) ? RichTextToPlain(text) : text;
  if (measured.find("</") == std::string::npos) {
    platform::Rect box{sub_item_indent_, 0,
                       std::max(sub_item_indent_ + 1, Width() - scroll_bar_width_), 0};
    canvas->DrawText(
        measured, box,
        platform::kDtCalcRect | platform::kDtNoPrefix | (word_wrap_ ? platform::kDtWordBreak : 0));
    const int line = canvas->TextHeight("gh");
    const int lines = line > 0 ? std::max(1, box.Height() / line) : 1;
    return static_cast<int>(std::min<long long>(static_cast<long long>(item_height) * lines,
                                                std::numeric_limits<int>::max()));
  }
  platform::Rect box = HasRows() && rows_->Count() > 0 ? rows_->RowRect(0) : ClientRect();
  box.left += sub_item_indent_;
  const markup::Options options = RowMarkupOptions(markup::Mode::kMeasure);
  return markup::Render(*canvas, measured, box, options).height + 2;
}

markup::Options SectionRows::RowMarkupOptions(markup::Mode mode) const {
  // Every row's markup is laid out alike whether it is measured, drawn or hit.
  markup::Options options;
  options.mode = mode;
  options.word_wrap = word_wrap_;
  options.images = sub_item_images_;
  options.pictures = pictures_;
  // The cache has no loader: this program's captions show only image-list pictures ("idx:"),
  // and every text from outside is escaped, so no row can name a file, a resource or an icon.
  options.cache = &picture_cache_;
  return options;
}

void SectionRows::RecalcRowHeights() {
  if (!HasRows()) return;
  MeasuringHold hold(*this);
  int row = 0;
  for (int i = 0; i < sections_.Count() && row < rows_->Count(); ++i) {
    const TListSection& section = sections_.Item(i);
    rows_->SetHeight(row++, section_height_);
    if (section.State() != lssExpanded) continue;
    for (int j = 0; j < section.SubItems().Count(); ++j, ++row)
      rows_->SetHeight(row, MeasureSubItem(section, RowText(section, row)));
  }
  RepaintUnlessUpdating();
}

void SectionRows::UpdateHorizontalExtent() {
  if (update_count_ > 0 || !HasRows()) return;
  if (word_wrap_) {
    rows_->SetHorizontalExtent(0);
    return;
  }
  // Rows that changed behind the list's back are all measured anew.
  if (row_widths_.size() != static_cast<std::size_t>(rows_->Count()))
    row_widths_.assign(static_cast<std::size_t>(rows_->Count()), kUnmeasured);
  MeasuringHold hold(*this);
  platform::Canvas* canvas = Measuring();
  const std::vector<int> stops = tab_positions_.Stops();
  int widest = kUnmeasured;
  int row = 0;
  for (int i = 0; i < sections_.Count() && row < static_cast<int>(row_widths_.size()); ++i) {
    const TListSection& section = sections_.Item(i);
    const int count = 1 + (section.State() == lssExpanded ? section.SubItems().Count() : 0);
    if (section.EndEllipsis()) {
      row += count;
      continue;
    }
    const int end = std::min(row + count, static_cast<int>(row_widths_.size()));
    for (int k = 0; row < end; ++k, ++row) {
      int& width = row_widths_[static_cast<std::size_t>(row)];
      if (width == kUnmeasured) {
        if (!canvas) return;
        canvas->SetFont(k == 0 ? HeaderFont(*this, section) : SubItemFont(*this, section));
        width =
            std::max(0, canvas->TabbedTextExtent(ExtentText(RowText(section, row)), stops, 0).cx);
      }
      widest = std::max(widest, width);
    }
  }
  widest = widest == kUnmeasured ? 0 : std::max(0, widest + sub_item_indent_);
  rows_->SetHorizontalExtent(widest < Width() ? 0 : widest);
}

}  // namespace controls::inline section_list
