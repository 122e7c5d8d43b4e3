// What the list tells screen readers: its rows as children, each read as the screen shows it.
#include <algorithm>

#include "controls/markup/escapes.h"
#include "controls/section_list/box.h"

namespace controls::inline section_list {

std::string TSectionListBox::RowPlainText(int row) const {
  const TListSection* section = SectionAtRow(row);
  if (!HasRows() || row < 0 || row >= rows_->Count() || !section) return {};
  std::string text = markup::PlainTextOf(RowText(*section, row));
  // Tabs and the blanks that place the text are layout, not words.
  std::replace(text.begin(), text.end(), '\t', ' ');
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

ui::AccessibleInfo TSectionListBox::Accessible() const {
  ui::AccessibleInfo info = ListBox::Accessible();
  info.role = ui::AccessibleRole::kList;
  info.states |= ui::kAccFocusable;
  return info;
}

int TSectionListBox::AccessibleChildCount() const {
  return HasRows() ? rows_->Count() : 0;
}

ui::AccessibleInfo TSectionListBox::AccessibleChild(int row) const {
  const TListSection* section = SectionAtRow(row);
  if (!section || row < 0 || row >= AccessibleChildCount()) return {};
  ui::AccessibleInfo info{RowPlainText(row), ui::AccessibleRole::kListItem, ui::kAccSelectable};
  if (row == ItemIndex()) info.states |= ui::kAccSelected | ui::kAccFocused;
  const int sub_item = SubItemIndexOfRow(row);
  if (sub_item < 0) {
    info.states |= section->State() == lssExpanded ? ui::kAccExpanded : ui::kAccCollapsed;
  } else if (section->ControlType() == scCheckbox) {
    info.role = ui::AccessibleRole::kCheckButton;
    if (section->SubItemChecked(sub_item)) info.states |= ui::kAccChecked;
  }
  return info;
}

int TSectionListBox::AccessibleFocusChild() const {
  return ItemIndex();
}

}  // namespace controls::inline section_list
