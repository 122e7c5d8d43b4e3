#pragma once
// SectionRows: the sections of a section list and the rows derived from them, kept in step with
// every change. The rows live in the native list box the host attaches (ui::ListRows); until
// then, and after it goes, the list keeps its sections only. Changes made in an update batch are
// shown once, when the batch ends. TSectionListBox builds on it with the looks, the input and
// the painting.
#include <memory>
#include <string>
#include <vector>

#include "controls/markup/pictures.h"
#include "controls/markup/render.h"
#include "controls/section_list/looks.h"
#include "controls/section_list/sections.h"
#include "controls/section_list/tab_positions.h"
#include "controls/section_list/view.h"
#include "ui/list_box.h"

namespace controls::inline section_list {

class SectionRows : public ui::ListBox, public TSectionListLooks, protected SectionListView {
 public:
  TListSectionCollection& Sections() { return sections_; }
  const TListSectionCollection& Sections() const { return sections_; }
  TTabPositionCollection& TabPositions() { return tab_positions_; }
  const TTabPositionCollection& TabPositions() const { return tab_positions_; }

  // The rows the host attached, null while there is no window.
  ui::ListRows* Rows() const { return rows_; }
  // The selected row (-1 for none) and the first visible row.
  int ItemIndex() const;
  void SetItemIndex(int row);
  int TopIndex() const;
  void SetTopIndex(int row);

  // Bulk changes: the list repaints once, at once, when the outermost EndUpdate comes: only the
  // rows whose looks changed when no row came or went, else the whole list.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return update_count_; }
  // The pictures behind `indexes` (ascending) of `images` changed: the rows that show one of
  // them from that list are repainted, as a change of their looks.
  void RepaintImages(const platform::ImageList& images, const std::vector<int>& indexes);

  int FirstRowOfSection(int section_index) const;
  // The last section for a row beyond the last; -1 with no sections.
  int SectionIndexOfRow(int row) const;
  // -1 for a header row.
  int SubItemIndexOfRow(int row) const;
  TListSection* SectionAtRow(int row) const;
  TListSection* SelectedSection() const;

  // The height of a sub-item row showing `text`, in the font chosen for measuring.
  int MeasureRow(const std::string& text, bool auto_size, int item_height);
  void RecalcRowHeights();
  void UpdateHorizontalExtent();

  // ui::ListBox
  void AttachRows(ui::ListRows* rows) override;

 protected:
  SectionRows(std::string name, ui::Component* parent);

  // The text measured and drawn for `row`; a descendant may show another.
  virtual std::string RowText(const TListSection& section, int row) const;
  void FontChanged() override;

  struct MeasuringHold;                             // keeps one measuring canvas (parts.h)
  enum class BatchChange { kNone, kRows, kWhole };  // what the running update batch changed

  void RepaintUnlessUpdating();
  // Notes, inside an update batch, that the batch changed what the list shows: rows came, went
  // or moved, or something every row shows changed.
  void NoteChange();
  // Notes, inside an update batch, that only `row`'s looks changed.
  void NoteRowChange(int row);
  void RepaintRow(int row);

  bool HasRows() const { return rows_ != nullptr && !destroying_; }
  // Every change to the rows tells row_widths_, which follows them.
  void ForgetRowWidths(int first, int count);
  platform::Canvas* Measuring();
  markup::Options RowMarkupOptions(markup::Mode mode) const;

  TListSectionCollection sections_{this};
  TTabPositionCollection tab_positions_{this};
  ui::ListRows* rows_ = nullptr;
  int update_count_ = 0;
  BatchChange batch_change_ = BatchChange::kNone;
  std::vector<int> changed_rows_;  // with kRows: the rows to repaint when the batch ends
  bool rebuilding_ = false;        // rows go in or out in bulk: nothing is painted
  bool destroying_ = false;        // the sections being freed leave the rows alone
  // Each row's text width as the horizontal extent counts it, indent left out, -1 until
  // measured: a change measures only the rows it touched.
  std::vector<int> row_widths_;

 private:
  // SectionListView: the model's changes, kept in step in the rows (rows.cpp).
  platform::Color NewSectionColor() const override { return Color(); }
  int NewSectionItemHeight() const override { return SubItemHeight(); }
  void SectionAdded(const TListSection& section) override;
  void SectionRemoving(const TListSection& section) override;
  void SectionsClearing() override;
  void CaptionChanged(const TListSection& section) override;
  void Expanding(const TListSection& section) override;
  void Contracting(const TListSection& section) override;
  void SubItemInserted(const TListSection& section, int index) override;
  void SubItemsDeleting(const TListSection& section, int index, int count) override;
  void SubItemTextChanged(const TListSection& section, int index) override;
  void LooksChanged() override { RepaintUnlessUpdating(); }
  void HeaderLooksChanged(const TListSection& section) override;
  void SubItemLooksChanged(const TListSection& section, int index) override;
  void SectionFontChanged(const TListSection& section) override;
  void WidthsChanged() override { UpdateHorizontalExtent(); }
  void TabsChanged() override;
  void BeginChanges() override { BeginUpdate(); }
  void EndChanges() override { EndUpdate(); }

  void FillRows();
  void RowsInserted(int index, int count);  // -1 appends
  void RowsDeleted(int index, int count);
  int MeasureSubItem(const TListSection& section, const std::string& text);

  mutable markup::PictureCache picture_cache_;   // without a loader (RowMarkupOptions says why)
  std::unique_ptr<platform::Canvas> measuring_;  // kept while a MeasuringHold lasts
  int measuring_depth_ = 0;
};

}  // namespace controls::inline section_list
