// The keys: moving the selection, expanding and contracting, running a row as a click would,
// the context-menu key, the editing keys, and typing the first letters of a row.
#include <algorithm>
#include <utility>

#include "controls/markup/text.h"
#include "controls/section_list/box.h"
#include "controls/section_list/parts.h"
#include "text/utf8.h"

namespace controls::inline section_list {

namespace {

// The menu point of a key's row lasts while the key's events fire.
struct ForgetKeyRow {
  std::optional<platform::Point>& point;
  ~ForgetKeyRow() { point.reset(); }
};

}  // namespace

bool TSectionListBox::KeyDown(int key, ui::ShiftState shift) {
  if (!HasRows()) return false;
  // The main keyboard's + and - type a character too ("=" unshifted).
  skip_char_ = key == ui::kVkOemPlus || key == ui::kVkOemMinus;
  const int row = ItemIndex();
  const int last = rows_->Count() - 1;
  // The keys below end the word being typed; the others arrive again as characters.
  const int ends_word[] = {
      ui::kVkEscape,  ui::kVkSpace,    ui::kVkInsert, ui::kVkDelete, ui::kVkUp,   ui::kVkDown,
      ui::kVkHome,    ui::kVkEnd,      ui::kVkRight,  ui::kVkAdd,    ui::kVkLeft, ui::kVkSubtract,
      ui::kVkOemPlus, ui::kVkOemMinus, ui::kVkReturn, ui::kVkApps,   ui::kVkF10};
  if (std::find(std::begin(ends_word), std::end(ends_word), key) != std::end(ends_word))
    typed_.clear();
  switch (key) {
    case ui::kVkEscape:
      ClearSelection(*this);
      return true;
    case ui::kVkSpace:
      if (row >= 0 && SubItemIndexOfRow(row) >= 0) StartEdit(row);
      return true;
    case ui::kVkInsert:
      if (row >= 0) InsertKey(row);
      return true;
    case ui::kVkDelete:
      if (row >= 0) DeleteKey(row);
      return true;
    case ui::kVkUp:
      if (last >= 0) MoveSelection(*this, std::max(row - 1, 0));
      return true;
    case ui::kVkDown:
      if (last >= 0) MoveSelection(*this, row < 0 ? 0 : std::min(row + 1, last));
      return true;
    case ui::kVkHome:
      if (last >= 0) MoveSelection(*this, 0);
      return true;
    case ui::kVkEnd:
      if (last >= 0) MoveSelection(*this, last);
      return true;
    case ui::kVkRight:
    case ui::kVkAdd:
    case ui::kVkOemPlus:
      if (row >= 0) ExpandKey(row, true);
      return true;
    case ui::kVkLeft:
    case ui::kVkSubtract:
    case ui::kVkOemMinus:
      if (row >= 0) ExpandKey(row, false);
      return true;
    case ui::kVkReturn:
      if (row >= 0) EnterKey(row);
      return true;
    case ui::kVkApps:
      if (row >= 0) ContextKey(row);
      return true;
    case ui::kVkF10:
      if (!(shift & ui::kShiftShift)) return false;
      if (row >= 0) ContextKey(row);
      return true;
    default:
      return false;
  }
}

void TSectionListBox::ExpandKey(int row, bool expand) {
  const TListSection* section = SectionAtRow(row);
  if (!section) return;
  if (SubItemIndexOfRow(row) >= 0) {
    // On a sub-item the way out leads to its header.
    if (!expand) MoveSelection(*this, FirstRowOfSection(SectionIndexOfRow(row)));
    return;
  }
  if ((section->State() == lssExpanded) != expand) EnterKey(row);
}

void TSectionListBox::EnterKey(int row) {
  const ForgetKeyRow forget{key_menu_point_ = MenuPointOfRow(row)};
  const int index = SectionIndexOfRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  if (sub_item >= 0) {
    if (OnSubItemClick) OnSubItemClick(*this, index, sub_item);
    return;
  }
  // A header does what a click on it does: the owner hears of it, then it opens or closes
  // where the list itself may do that.
  if (OnSectionClick) OnSectionClick(*this, index);
  TListSection* section = index < sections_.Count() ? &sections_.Item(index) : nullptr;
  if (!section || !ToggleAllowed(*this, *section) || section->Fixed()) return;
  ToggleSection(FirstRowOfSection(index));
}

void TSectionListBox::ContextKey(int row) {
  if (OnContextKey)
    OnContextKey(*this, SectionIndexOfRow(row), SubItemIndexOfRow(row), MenuPointOfRow(row));
}

platform::Point TSectionListBox::MenuPointOfRow(int row) const {
  const platform::Rect rect = rows_->RowRect(row);
  const platform::Point at{rect.left + sub_item_indent_, rect.bottom};
  return View() ? View()->ClientToScreen(at) : at;
}

bool TSectionListBox::KeyPress(char32_t key) {
  if (!HasRows()) return false;
  if (std::exchange(skip_char_, false)) return true;
  const int row = ItemIndex();
  if (key == ' ') {
    if (row >= 0) SpacePressed(row);
    return true;
  }
  // Below a blank the characters are control keys; "+" and "-" open and close.
  if (key < 0x21 || key == U'+' || key == U'-') return false;
  TypeAhead(key);
  return true;
}

void TSectionListBox::TypeAhead(char32_t key) {
  const int count = rows_->Count();
  if (count == 0) return;
  // Whole characters only, so that a word never ends inside one and matches a row by halves.
  std::string letter;
  text::AppendCodePoint(letter, key);
  const int row = ItemIndex();
  // The word grows while the selected row still starts with it; else the letter alone
  // searches on from the row after the selected one.
  for (const bool longer : {true, false}) {
    if (longer && typed_.empty()) continue;
    const std::string word = longer ? typed_ + letter : letter;
    const int start = longer ? std::max(row, 0) : row + 1;
    for (int k = 0; k < count; ++k) {
      const int candidate = (start + k) % count;
      // Letters compared without the locale: ASCII letters in either case, others exactly.
      if (!markup::StartsWithNoCase(RowPlainText(candidate), word)) continue;
      typed_ = word;
      if (candidate != row) MoveSelection(*this, candidate);
      return;
    }
  }
  typed_.clear();
}

void TSectionListBox::InsertKey(int row) {
  TListSection* section = SectionAtRow(row);
  const int index = SectionIndexOfRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  if (!section) return;
  if (sub_item < 0 && section->SubItems().Count() > 0) {
    if (OnInsertSection) OnInsertSection(*this, index, sections_.Add());
    return;
  }
  if (!OnInsertSubItem) return;
  std::string text;
  OnInsertSubItem(*this, index, sub_item, text);
  if (!text.empty() && index < sections_.Count()) {
    TSectionListStrings& items = sections_.Item(index).SubItems();
    if (sub_item < 0)
      items.Add(text);
    else
      items.Insert(sub_item, text);
  }
  SetItemIndex(row);
}

void TSectionListBox::DeleteKey(int row) {
  const int index = SectionIndexOfRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  if (index < 0) return;
  bool allow = false;
  if (sub_item < 0) {
    if (!OnDeleteSection) return;
    OnDeleteSection(*this, index, allow);
    if (allow && index < sections_.Count()) sections_.Delete(index);
  } else {
    if (!OnDeleteSubItem) return;
    OnDeleteSubItem(*this, index, sub_item, allow);
    if (allow && index < sections_.Count()) sections_.Item(index).SubItems().Delete(sub_item);
  }
  if (allow) SetItemIndex(row);
}

void TSectionListBox::SpacePressed(int row) {
  const ForgetKeyRow forget{key_menu_point_ = MenuPointOfRow(row)};
  TListSection* section = SectionAtRow(row);
  const int index = SectionIndexOfRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  if (!section) return;
  if (sub_item < 0) {
    if (ToggleAllowed(*this, *section) && !section->Fixed()) ToggleSection(row);
    return;
  }
  if (!section->ReadOnly() && section->ControlType() == scCheckbox) {
    section->SetSubItemChecked(sub_item, !section->SubItemChecked(sub_item));
    SetItemIndex(row);
    if (OnCheckBoxClick) OnCheckBoxClick(*this, index, sub_item);
  } else if (!section->ReadOnly() && section->ControlType() == scRadiobutton) {
    section->SetRadioIndex(sub_item);
    if (OnRadioClick) OnRadioClick(*this, index, sub_item);
  }
  if (OnSubItemClick) OnSubItemClick(*this, index, sub_item);
}

}  // namespace controls::inline section_list
