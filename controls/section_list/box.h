#pragma once
// TSectionListBox: a list of collapsible sections. Each section shows a header row and, while
// expanded, one row per sub-item; the rows are derived from the sections and kept in step with
// every change. The rows live in the native list box the host attaches (ui::ListRows); until
// then, and after it goes, the list keeps its sections only.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/markup/pictures.h"
#include "controls/markup/render.h"
#include "controls/section_list/events.h"
#include "controls/section_list/looks.h"
#include "controls/section_list/memo.h"
#include "controls/section_list/sections.h"
#include "controls/section_list/tab_positions.h"
#include "controls/section_list/view.h"
#include "ui/list_box.h"

namespace controls::inline section_list {

class TSectionListBox : public ui::ListBox,
                        public TSectionListLooks,
                        public TSectionListEvents,
                        private SectionListView {
 public:
  TSectionListBox(std::string name, ui::Component* parent);
  ~TSectionListBox() override;

  TListSectionCollection& Sections() { return sections_; }
  const TListSectionCollection& Sections() const { return sections_; }
  TTabPositionCollection& TabPositions() { return tab_positions_; }
  const TTabPositionCollection& TabPositions() const { return tab_positions_; }

  // Setters with more to do than store and repaint; the rest are in TSectionListLooks.
  void SetWordWrap(bool v);
  void SetWallpaper(ui::Picture picture);
  // True expands section 0 and contracts every other.
  void SetOneExpanded(bool v);
  void SetSubItemHeight(int v);
  void SetPictureContainer(const markup::PictureContainer* pictures);
  void SetSectionHeight(int v);
  void SetSectionFont(const platform::Font& v);
  void SetSubItemIndent(int v);
  void SetExpandGlyph(ui::Picture picture);
  void SetContractGlyph(ui::Picture picture);

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
  void ContractAll();
  void ScrollSectionToTop(int section_index);
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
  // What `row` reads as: its text without tags, escapes decoded, leading blanks dropped.
  std::string RowPlainText(int row) const;

  // While Enter or Space fires a row's events: where a menu for that row opens, under it in
  // screen coordinates, as the context-menu key passes it. Empty while the mouse fires them.
  const std::optional<platform::Point>& KeyMenuPoint() const { return key_menu_point_; }

  // Expands or contracts the section of `row` as a user's click would, firing the event.
  void ToggleSection(int row);
  // Opens the in-place editor on a sub-item row of an editable text section.
  bool StartEdit(int row);
  // The height of a sub-item row showing `text`, in the font chosen for measuring.
  int MeasureRow(const std::string& text, bool auto_size, int item_height);
  void RecalcRowHeights();
  void UpdateHorizontalExtent();

  TSectionMemo& Memo() { return memo_; }

  // ui::ListBox
  void AttachRows(ui::ListRows* rows) override;
  void PaintBackground(platform::Canvas& canvas, const platform::Rect& area) override;
  void DrawRow(platform::Canvas& canvas, const ui::RowPaint& row) override;
  void SelectionChanged() override;
  bool VerticalScroll(bool thumb_tracking) override;
  void Scrolled() override;
  bool MouseDown(ui::MouseButton button, platform::Point at, ui::ShiftState shift) override;
  bool MouseUp(ui::MouseButton button, platform::Point at, ui::ShiftState shift) override;
  bool MouseDoubleClick(ui::MouseButton button, platform::Point at, ui::ShiftState shift) override;
  bool MouseMove(platform::Point at, ui::ShiftState shift) override;
  bool KeyDown(int key, ui::ShiftState shift) override;
  bool KeyPress(char key) override;
  void CaptureLost() override;
  ui::AccessibleInfo Accessible() const override;
  int AccessibleChildCount() const override;
  ui::AccessibleInfo AccessibleChild(int row) const override;
  int AccessibleFocusChild() const override;

 protected:
  // The text measured and drawn for `row`; a descendant may show another.
  virtual std::string RowText(const TListSection& section, int row) const;
  void BoundsChanged() override;
  void FontChanged() override;

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
  void EditFinished() override;
  void BeginChanges() override { BeginUpdate(); }
  void EndChanges() override { EndUpdate(); }

  struct MeasuringHold;  // keeps one measuring canvas (parts.h)
  struct RowPainter;
  enum class BatchChange { kNone, kRows, kWhole };  // what the running update batch changed

  void RepaintUnlessUpdating();
  // Notes, inside an update batch, that the batch changed what the list shows: rows came, went
  // or moved, or something every row shows changed.
  void NoteChange();
  // Notes, inside an update batch, that only `row`'s looks changed.
  void NoteRowChange(int row);
  void RepaintRow(int row);

  // The row list kept in step with the sections (rows.cpp).
  bool HasRows() const { return rows_ != nullptr && !destroying_; }
  void FillRows();
  // Every change to the rows tells row_widths_, which follows them.
  void RowsInserted(int index, int count);  // -1 appends
  void RowsDeleted(int index, int count);
  void ForgetRowWidths(int first, int count);
  int MeasureSubItem(const TListSection& section, const std::string& text);
  platform::Canvas* Measuring();

  // Input (input.cpp).
  bool OpenIfAddress(const std::string& target);
  markup::Result HitTestMarkup(int row, int indent, platform::Point at);
  markup::Options RowMarkupOptions(markup::Mode mode) const;
  bool LeftDown(platform::Point at, ui::ShiftState shift);
  bool HeaderClickEnds(int row, platform::Point at);
  void ToggleCheck(int row);
  // Keys (keys.cpp).
  void ExpandKey(int row, bool expand);
  void EnterKey(int row);
  void ContextKey(int row);
  platform::Point MenuPointOfRow(int row) const;
  void TypeAhead(char key);
  void InsertKey(int row);
  void DeleteKey(int row);
  void SpacePressed(int row);
  void TrackMouse(platform::Point at);
  void MoveTabDrag(int x);
  platform::Rect TabDragLine(int x) const;

  TListSectionCollection sections_{this};
  TTabPositionCollection tab_positions_{this};

  ui::ListRows* rows_ = nullptr;
  int update_count_ = 0;
  BatchChange batch_change_ = BatchChange::kNone;
  std::vector<int> changed_rows_;  // with kRows: the rows to repaint when the batch ends
  bool rebuilding_ = false;        // rows go in or out in bulk: nothing is painted
  bool destroying_ = false;        // the sections being freed leave the rows alone
  TabDrag tab_drag_;               // a tab stop being dragged on a header row
  std::string anchor_;             // the markup anchor under the mouse
  mutable markup::PictureCache picture_cache_;  // without a loader (RowMarkupOptions says why)
  // Device bitmaps of the pictures, made at the first paint after a picture changes.
  std::unique_ptr<platform::Bitmap> wallpaper_bitmap_;
  std::unique_ptr<platform::Bitmap> expand_bitmap_;
  std::unique_ptr<platform::Bitmap> contract_bitmap_;
  std::unique_ptr<platform::Canvas> measuring_;  // kept while a MeasuringHold lasts
  int measuring_depth_ = 0;
  // Each row's text width as the horizontal extent counts it, indent left out, -1 until
  // measured: a change measures only the rows it touched.
  std::vector<int> row_widths_;
  TSectionMemo memo_{*this, *this};
  int edit_row_ = -1;  // the row being edited, -1 while the editor is closed
  std::string typed_;  // the first letters of a row typed so far
  // The character the key just pressed types is that key's, not typed to find a row.
  bool skip_char_ = false;
  std::optional<platform::Point> key_menu_point_;  // see KeyMenuPoint
};

}  // namespace controls::inline section_list
