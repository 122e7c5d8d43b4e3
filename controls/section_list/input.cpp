// The mouse: clicks on nodes, check marks, anchors and sort arrows, tab stops dragged on header
// rows, and the in-place editor.
#include <cstdlib>

#include "controls/section_list/box.h"
#include "controls/section_list/parts.h"

namespace controls::inline section_list {

namespace {

// The check zone lies this wide to the right of the section indent.
constexpr int kCheckZoneWidth = 15;
// The sort arrow's zone, counted back from the right edge less the scroll bar.
constexpr int kSortZoneFar = 20;
constexpr int kSortZoneNear = 10;
// The node zone of a header with asNodeOnly, from the row's left edge.
constexpr int kNodeZoneWidth = 12;
constexpr int kGlyphZoneExtra = 4;
// A tab stop can be caught this close to it.
constexpr int kTabCatch = 4;

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

bool IsAddress(const std::string& text) {
  return Contains(text, "://") || Contains(text, "mailto:");
}

}  // namespace

void ClearSelection(TSectionListBox& box) {
  ui::ListRows* rows = box.Rows();
  if (!rows) return;
  if (box.MultiSelect())
    rows->SetRowSelected(-1, false);
  else
    rows->SetSelected(-1);
}

void FireChange(TSectionListBox& box) {
  const int row = box.ItemIndex();
  if (box.UpdateCount() > 0 || row < 0 || !box.OnChange) return;
  box.OnChange(box, box.SectionIndexOfRow(row), box.SubItemIndexOfRow(row));
}

void MoveSelection(TSectionListBox& box, int row) {
  const int before = box.ItemIndex();
  box.SetItemIndex(row);
  if (box.View()) box.View()->SetFocus();
  if (box.ItemIndex() != before) FireChange(box);
}

void TSectionListBox::SelectionChanged() {
  FireChange(*this);
}

bool InCheckZone(const TSectionListBox& box, int x) {
  return box.SectionIndent() < x && x < box.SectionIndent() + kCheckZoneWidth;
}

bool ToggleAllowed(const TSectionListBox& box, const TListSection& section) {
  return section.State() == lssExpanded ? !box.ContractDisable() : !box.ExpandDisable();
}

bool TSectionListBox::OpenIfAddress(const std::string& target) {
  if (!IsAddress(target)) return false;
  if (url_opener_) url_opener_->Open(target);
  return true;
}

markup::Result TSectionListBox::HitTestMarkup(int row, int indent, platform::Point at) {
  MeasuringHold hold(*this);
  platform::Canvas* canvas = Measuring();
  const TListSection* section = SectionAtRow(row);
  if (!canvas || !section) return {};
  canvas->SetFont(SubItemIndexOfRow(row) < 0 ? HeaderFont(*this, *section)
                                             : SubItemFont(*this, *section));
  platform::Rect box = rows_->RowRect(row);
  box.left += indent;
  markup::Options options = RowMarkupOptions(markup::Mode::kHitTest);
  options.hit = at;
  return markup::Render(*canvas, RowText(*section, row), box, options);
}

void TSectionListBox::ToggleCheck(int row) {
  TListSection* section = SectionAtRow(row);
  const int index = SectionIndexOfRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  if (!section || sub_item < 0 || section->ReadOnly()) return;
  section->SetSubItemChecked(sub_item, !section->SubItemChecked(sub_item));
  if (section->ControlType() == scCheckbox) {
    if (OnCheckBoxClick) OnCheckBoxClick(*this, index, sub_item);
  } else if (section->ControlType() == scRadiobutton) {
    section->SetRadioIndex(sub_item);
    if (OnRadioClick) OnRadioClick(*this, index, sub_item);
  }
}

bool TSectionListBox::MouseDown(ui::MouseButton button, platform::Point at, ui::ShiftState shift) {
  if (!HasRows()) return false;
  if (button == ui::MouseButton::kLeft) return LeftDown(at, shift);
  if (button == ui::MouseButton::kRight) {
    const int row = rows_->RowAtPoint(at);
    if (row >= 0 && rows_->RowRect(row).Contains(at)) {
      const int index = SectionIndexOfRow(row);
      const int sub_item = SubItemIndexOfRow(row);
      if (sub_item < 0) {
        if (OnSectionRClick) OnSectionRClick(*this, index);
      } else if (OnSubItemRClick) {
        OnSubItemRClick(*this, index, sub_item);
      }
    }
  }
  return false;
}

bool TSectionListBox::LeftDown(platform::Point at, ui::ShiftState) {
  const int row = rows_->RowAtPoint(at);
  if (row < 0 || !rows_->RowRect(row).Contains(at)) {
    ClearSelection(*this);
    return true;
  }
  if (tab_drag_.armed) {
    tab_drag_.active = true;
    tab_drag_.x = -1;
    if (View()) View()->SetCapture(true);
  }
  const TListSection* section = SectionAtRow(row);
  if (!section) return true;
  const std::string text = RowText(*section, row);
  const bool markup = Contains(text, "</");
  if (url_settings_.URLAware && (Contains(text, "://") || (Contains(text, "mailto:") && !markup))) {
    if (url_opener_) url_opener_->Open(text);
    return true;
  }
  if (markup) {
    const markup::Result hit = HitTestMarkup(row, sub_item_indent_, at);
    if (hit.anchor_hit) {
      if (!OpenIfAddress(hit.anchor) && OnAnchorClick) OnAnchorClick(*this, row, hit.anchor);
      return true;
    }
  }
  if (InCheckZone(*this, at.x)) ToggleCheck(row);
  if (row == ItemIndex() && SubItemIndexOfRow(row) >= 0 && StartEdit(row)) return true;

  MoveSelection(*this, row);
  const int selected = ItemIndex();
  if (selected < 0) return true;
  platform::Rect rect = rows_->RowRect(selected);
  if (SubItemIndexOfRow(selected) < 0) {
    if (OnSectionClick) OnSectionClick(*this, SectionIndexOfRow(selected));
    if (HeaderClickEnds(selected, at)) return true;
    if (active_section_ == asNodeOnly)
      rect.right = rect.left + (node_type_ == lnGlyph ? contract_glyph_.width + kGlyphZoneExtra
                                                      : kNodeZoneWidth);
  }
  if (!rect.Contains(at)) return true;
  // The handlers above may have changed the sections: everything is read afresh.
  TListSection* target = SectionAtRow(selected);
  if (!target) return true;
  const int index = SectionIndexOfRow(selected);
  const int sub_item = SubItemIndexOfRow(selected);
  if (sub_item >= 0 || tab_drag_.armed) {
    if (OnSubItemClick) OnSubItemClick(*this, index, sub_item);
    return true;
  }
  if (!ToggleAllowed(*this, *target)) return true;
  if (!target->Fixed()) ToggleSection(selected);
  if (index < sections_.Count() && sections_.Item(index).State() == lssExpanded &&
      sections_.Item(index).AutoEdit())
    StartEdit(FirstRowOfSection(index) + 1);
  return true;
}

bool TSectionListBox::HeaderClickEnds(int row, platform::Point at) {
  const int right = Width() - scroll_bar_width_;
  const platform::Rect rect = rows_->RowRect(row);
  if (at.x < right - kSortZoneFar || at.x > right - kSortZoneNear || at.y < rect.top ||
      at.y >= rect.bottom)
    return false;
  TListSection* section = SectionAtRow(row);
  if (section && section->SortShow()) {
    SectionListView::Batch batch(this);
    section->SetSortDirection(section->SortDirection() == sdAscending ? sdDescending : sdAscending);
  }
  return true;
}

bool TSectionListBox::MouseUp(ui::MouseButton button, platform::Point at, ui::ShiftState shift) {
  bool handled = false;
  if (button == ui::MouseButton::kLeft && tab_drag_.active) {
    const int stop = tab_drag_.stop;
    tab_drag_ = {};
    if (View()) View()->SetCapture(false);
    if (stop >= 0 && stop < tab_positions_.Count()) tab_positions_.Item(stop).SetTabPosition(at.x);
    Invalidate();
    handled = true;
  }
  if (OnMouseUp) OnMouseUp(*this, button, shift, at.x, at.y);
  return handled;
}

void TSectionListBox::CaptureLost() {
  if (!tab_drag_.active) return;
  if (HasRows() && tab_drag_.x >= 0) InvalidateRect(TabDragLine(tab_drag_.x));
  tab_drag_ = {};
}

bool TSectionListBox::MouseDoubleClick(ui::MouseButton button, platform::Point at, ui::ShiftState) {
  if (!HasRows()) return false;
  if (button == ui::MouseButton::kLeft) {
    const int hit = rows_->RowAtPoint(at);
    if (hit >= 0 && rows_->RowRect(hit).Contains(at) && hit != ItemIndex())
      MoveSelection(*this, hit);
  }
  const int row = ItemIndex();
  if (row < 0) return button == ui::MouseButton::kLeft;
  const int index = SectionIndexOfRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  if (button == ui::MouseButton::kLeft) {
    if (sub_item < 0) {
      if (OnSectionDblClk) OnSectionDblClk(*this, index);
    } else if (OnSubItemDblClk) {
      OnSubItemDblClk(*this, index, sub_item);
    }
    return true;
  }
  if (button == ui::MouseButton::kRight && OnSubItemRDblClk)
    OnSubItemRDblClk(*this, index, sub_item);
  return false;
}

bool TSectionListBox::MouseMove(platform::Point at, ui::ShiftState) {
  if (!HasRows()) return false;
  if (tab_drag_.active) {
    MoveTabDrag(at.x);
    return true;
  }
  TrackMouse(at);
  return false;
}

void TSectionListBox::TrackMouse(platform::Point at) {
  ui::ComponentView* view = View();
  ui::Cursor cursor = ui::Cursor::kArrow;
  std::string anchor;
  const int row = rows_->RowAtPoint(at);
  const TListSection* section = row >= 0 ? SectionAtRow(row) : nullptr;
  tab_drag_.armed = false;
  if (section && rows_->RowRect(row).Contains(at)) {
    const int sub_item = SubItemIndexOfRow(row);
    const std::string text = RowText(*section, row);
    if (sub_item < 0 && tab_pos_move_) {
      for (int k = 0; k < tab_positions_.Count(); ++k) {
        if (std::abs(at.x - tab_positions_.Item(k).TabPosition()) >= kTabCatch) continue;
        tab_drag_ = {true, false, k, SectionIndexOfRow(row), -1};
        if (view) view->SetCursor(ui::Cursor::kHorizontalSplit);
        return;
      }
    }
    if (Contains(text, "</")) {
      const markup::Result hit =
          HitTestMarkup(row, sub_item < 0 ? section_indent_ : sub_item_indent_, at);
      if (hit.anchor_hit) {
        cursor = ui::Cursor::kHand;
        anchor = hit.anchor;
      }
    } else if (sub_item >= 0 && IsAddress(text)) {
      cursor = ui::Cursor::kHand;
    }
  }
  if (!anchor.empty() && anchor != anchor_) {
    anchor_ = anchor;
    if (OnAnchorEnter) OnAnchorEnter(*this, row, anchor_);
  } else if (anchor.empty() && !anchor_.empty()) {
    const std::string left = std::move(anchor_);
    anchor_.clear();
    if (OnAnchorExit) OnAnchorExit(*this, row, left);
  }
  if (view) view->SetCursor(cursor);
}

platform::Rect TSectionListBox::TabDragLine(int x) const {
  const int first = FirstRowOfSection(tab_drag_.section);
  int last = first;
  if (tab_drag_.section >= 0 && tab_drag_.section < sections_.Count()) {
    const TListSection& section = sections_.Item(tab_drag_.section);
    if (section.State() == lssExpanded) last += section.SubItems().Count();
  }
  return {x, rows_->RowRect(first).top, x + 1, rows_->RowRect(last).bottom};
}

void TSectionListBox::MoveTabDrag(int x) {
  // The line is drawn with the rows; moving it repaints where it was and where it goes.
  if (tab_drag_.x >= 0) InvalidateRect(TabDragLine(tab_drag_.x));
  tab_drag_.x = x;
  InvalidateRect(TabDragLine(x));
}

bool TSectionListBox::StartEdit(int row) {
  TListSection* section = SectionAtRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  // A row past the last would read as a sub-item of the last section even when that section
  // shows none: only a row the list has can be edited.
  if (!HasRows() || row < 0 || row >= rows_->Count() || !section || sub_item < 0 ||
      sub_item >= section->SubItems().Count() || section->ReadOnly() ||
      section->ControlType() != scText)
    return false;
  std::string text = section->SubItems().Strings(sub_item);
  if (OnStartEdit) OnStartEdit(*this, SectionIndexOfRow(row), sub_item + 1, text);
  edit_row_ = row;
  memo_.Open(rows_->RowRect(row), section->Color(), text);
  return true;
}

void TSectionListBox::EditFinished() {
  if (edit_row_ < 0) return;
  // Cleared first: hiding the editor takes its focus, which ends the edit once more.
  const int row = edit_row_;
  edit_row_ = -1;
  std::string text = memo_.EditedText();
  const int index = SectionIndexOfRow(row);
  const int sub_item = SubItemIndexOfRow(row);
  if (OnEndEdit) OnEndEdit(*this, index, sub_item + 1, text);
  if (index >= 0 && index < sections_.Count())
    sections_.Item(index).SubItems().SetString(sub_item, text);
  RecalcRowHeights();
  memo_.Close();
  if (View()) View()->SetFocus();
  SetItemIndex(row);
}

}  // namespace controls::inline section_list
