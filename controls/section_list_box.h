#pragma once
// The sectioned list: collapsible sections, one header row each. This first form holds the
// sections and keeps the header rows in step with their captions; sub-items, expansion and
// the full painting join it later.
#include <string>
#include <vector>

#include "ui/list_box.h"

namespace controls {

enum TSectionState { lssExpanded = 0, lssContracted = 1 };

struct TListSection {
  std::string Caption;
  TSectionState State = lssContracted;
  int ImageIndex = -1;
};

class TSectionListBox : public ui::ListBox {
 public:
  static constexpr int kSectionHeight = 20;
  static constexpr int kSectionIndent = 14;

  using ui::ListBox::ListBox;

  int SectionCount() const { return static_cast<int>(sections_.size()); }
  const TListSection& Section(int index) const {
    return sections_.at(static_cast<std::size_t>(index));
  }
  int AddSection(const std::string& caption);
  void SetSectionCaption(int index, const std::string& caption);

  ui::ListRows* Rows() const { return rows_; }

  // ui::ListBox
  void AttachRows(ui::ListRows* rows) override;
  void PaintBackground(platform::Canvas& canvas, const platform::Rect& area) override;
  void DrawRow(platform::Canvas& canvas, const ui::RowPaint& row) override;

 private:
  void RebuildRows();

  std::vector<TListSection> sections_;
  ui::ListRows* rows_ = nullptr;
};

}  // namespace controls
