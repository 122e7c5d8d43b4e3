#pragma once
// The sectioned list: collapsible sections, one header row each. This first form holds the
// sections and keeps the header rows in step with their captions; sub-items, expansion and
// painting join it later.
#include <string>
#include <vector>

#include "controls/row_list.h"
#include "ui/component.h"

namespace controls {

enum TSectionState { lssExpanded = 0, lssContracted = 1 };

struct TListSection {
  std::string Caption;
  TSectionState State = lssContracted;
  int ImageIndex = -1;
};

class TSectionListBox : public ui::Component {
 public:
  using ui::Component::Component;

  int SectionCount() const { return static_cast<int>(sections_.size()); }
  const TListSection& Section(int index) const {
    return sections_.at(static_cast<std::size_t>(index));
  }
  int AddSection(const std::string& caption);
  void SetSectionCaption(int index, const std::string& caption);

  // The host attaches the row list of the window that shows the list.
  void AttachRows(RowList* rows);
  RowList* Rows() const { return rows_; }

 private:
  void RebuildRows();

  std::vector<TListSection> sections_;
  RowList* rows_ = nullptr;
};

}  // namespace controls
