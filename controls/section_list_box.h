#pragma once
// TSectionListBox: a list of collapsible sections. Each section shows a header row and, while
// expanded, one row per sub-item; the rows are derived from the sections and kept in step with
// every change. The rows live in the native list box the host attaches (ui::ListRows); until
// then, and after it goes, the list keeps its sections only.
#include <memory>
#include <string>
#include <vector>

#include "controls/list_section_collection.h"
#include "controls/markup.h"
#include "controls/picture_cache.h"
#include "controls/section_list_box_events.h"
#include "controls/section_memo.h"
#include "controls/tab_position_collection.h"
#include "controls/url_opener.h"
#include "controls/url_settings.h"
#include "ui/list_box.h"
#include "ui/picture.h"

namespace controls {

class TSectionListBox : public ui::ListBox {
 public:
  // The vertical scroll-bar width most systems have, until the host tells the real one.
  static constexpr int kDefaultScrollBarWidth = 16;

  TSectionListBox(std::string name, ui::Component* parent);
  ~TSectionListBox() override;

  TListSectionCollection& Sections() { return sections_; }
  const TListSectionCollection& Sections() const { return sections_; }
  TTabPositionCollection& TabPositions() { return tab_positions_; }
  const TTabPositionCollection& TabPositions() const { return tab_positions_; }

  bool TabPosMove() const { return tab_pos_move_; }
  void SetTabPosMove(bool v) { Store(tab_pos_move_, v); }
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  const ui::Picture& Wallpaper() const { return wallpaper_; }
  void SetWallpaper(ui::Picture picture);
  bool OneExpanded() const { return one_expanded_; }
  // True expands section 0 and contracts every other.
  void SetOneExpanded(bool v);
  bool FullFocus() const { return full_focus_; }
  void SetFullFocus(bool v) { Store(full_focus_, v); }
  std::int16_t ImageSpacing() const { return image_spacing_; }
  void SetImageSpacing(std::int16_t v) { Store(image_spacing_, v); }
  // The ItemHeight new sections get.
  int SubItemHeight() const { return sub_item_height_; }
  void SetSubItemHeight(int v);
  const PictureContainer* Pictures() const { return pictures_; }
  void SetPictureContainer(const PictureContainer* pictures);
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { Store(flat_, v); }
  int SectionHeight() const { return section_height_; }
  void SetSectionHeight(int v);
  const platform::Font& SectionFont() const { return section_font_; }
  void SetSectionFont(const platform::Font& v);
  int SectionIndent() const { return section_indent_; }
  void SetSectionIndent(int v) { Store(section_indent_, v); }
  int SubItemIndent() const { return sub_item_indent_; }
  void SetSubItemIndent(int v);
  // Image lists are referenced, not owned.
  const platform::ImageList* SectionImages() const { return section_images_; }
  void SetSectionImages(const platform::ImageList* v) { Store(section_images_, v); }
  const platform::ImageList* SubItemImages() const { return sub_item_images_; }
  void SetSubItemImages(const platform::ImageList* v) { Store(sub_item_images_, v); }
  TURLSettings& URLSettings() { return url_settings_; }
  const TURLSettings& URLSettings() const { return url_settings_; }
  bool ExpandDisable() const { return expand_disable_; }
  void SetExpandDisable(bool v) { expand_disable_ = v; }
  bool ContractDisable() const { return contract_disable_; }
  void SetContractDisable(bool v) { contract_disable_ = v; }
  const ui::Picture& ExpandGlyph() const { return expand_glyph_; }
  void SetExpandGlyph(ui::Picture picture);
  const ui::Picture& ContractGlyph() const { return contract_glyph_; }
  void SetContractGlyph(ui::Picture picture);
  platform::Color SectionColor() const { return section_color_; }
  void SetSectionColor(platform::Color v) { Store(section_color_, v); }
  TActiveSection ActiveSection() const { return active_section_; }
  void SetActiveSection(TActiveSection v) { active_section_ = v; }
  TListNodeType NodeType() const { return node_type_; }
  void SetNodeType(TListNodeType v) { Store(node_type_, v); }
  TSectionFocus SectionFocus() const { return section_focus_; }
  void SetSectionFocus(TSectionFocus v) { Store(section_focus_, v); }
  bool ScrollTrack() const { return scroll_track_; }
  void SetScrollTrack(bool v) { scroll_track_ = v; }
  // The scroll-bar look; the native bar keeps its own.
  TSListScrollStyle ScrollStyle() const { return scroll_style_; }
  void SetScrollStyle(TSListScrollStyle v) { scroll_style_ = v; }
  platform::Color ScrollColor() const { return scroll_color_; }
  void SetScrollColor(platform::Color v) { scroll_color_ = v; }
  int ScrollWidth() const { return scroll_width_; }
  void SetScrollWidth(int v) { scroll_width_ = v; }
  platform::Color SelectionColor() const { return selection_color_; }
  void SetSelectionColor(platform::Color v) { Store(selection_color_, v); }
  platform::Color SelectionTextColor() const { return selection_text_color_; }
  void SetSelectionTextColor(platform::Color v) { Store(selection_text_color_, v); }

  // The platform's vertical scroll-bar width, used in measuring and in the hit zones.
  int ScrollBarWidth() const { return scroll_bar_width_; }
  void SetScrollBarWidth(int v) { scroll_bar_width_ = v; }
  // Opens clicked web and mail addresses; none leaves them unopened. Not owned.
  void SetUrlOpener(UrlOpener* opener) { url_opener_ = opener; }

  // The rows the host attached, null while there is no window.
  ui::ListRows* Rows() const { return rows_; }
  // The selected row (-1 for none) and the first visible row.
  int ItemIndex() const;
  void SetItemIndex(int row);
  int TopIndex() const;
  void SetTopIndex(int row);

  // Bulk changes: the list repaints once, when the outermost EndUpdate comes: only the rows
  // whose looks changed when no row came or went, else the whole list.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return update_count_; }
  void ContractAll();
  void ScrollSectionToTop(int section_index);

  int FirstRowOfSection(int section_index) const;
  // The last section for a row beyond the last; -1 with no sections.
  int SectionIndexOfRow(int row) const;
  // -1 for a header row.
  int SubItemIndexOfRow(int row) const;
  TListSection* SectionAtRow(int row) const;
  TListSection* SelectedSection() const;
  // What `row` reads as: its text without tags, escapes decoded, leading blanks dropped.
  std::string RowPlainText(int row) const;

  // Expands or contracts the section of `row` as a user's click would, firing the event.
  void ToggleSection(int row);
  // Opens the in-place editor on a sub-item row of an editable text section.
  bool StartEdit(int row);
  // The height of a sub-item row showing `text`, in the font chosen for measuring.
  int MeasureRow(const std::string& text, bool auto_size, int item_height);
  void RecalcRowHeights();
  void UpdateHorizontalExtent();

  TSectionMemo& Memo() { return memo_; }

  TSectionEvent OnExpandSection;
  TSectionEvent OnContractSection;
  TSectionEvent OnSectionClick;
  TSectionEvent OnSectionRClick;
  TSectionEvent OnSectionDblClk;
  TSubItemEvent OnSubItemClick;
  TSubItemEvent OnCheckBoxClick;
  TSubItemEvent OnRadioClick;
  TSubItemEvent OnSubItemRClick;
  TSubItemEvent OnSubItemDblClk;
  TSubItemEvent OnSubItemRDblClk;
  TSubItemEvent OnChange;
  TInsertSectionEvent OnInsertSection;
  TInsertSubItemEvent OnInsertSubItem;
  TDeleteSectionEvent OnDeleteSection;
  TDeleteSubItemEvent OnDeleteSubItem;
  TDrawItemEvent OnDrawItem;
  TDrawItemPropEvent OnDrawItemProp;
  TEditEvent OnStartEdit;
  TEditEvent OnEndEdit;
  TAnchorEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TMouseEvent OnMouseUp;
  TContextKeyEvent OnContextKey;

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
  friend class TListSection;
  friend class TListSectionCollection;
  friend class TSectionListStrings;
  friend class TTabPositionItem;
  friend class TTabPositionCollection;
  friend class TSectionMemo;
  // Keeps one measuring canvas while rows are measured in a batch; it goes with the outermost.
  struct MeasuringHold {
    explicit MeasuringHold(TSectionListBox& box) : box_(box) { ++box_.measuring_depth_; }
    ~MeasuringHold() {
      if (--box_.measuring_depth_ == 0) box_.measuring_.reset();
    }
    MeasuringHold(const MeasuringHold&) = delete;
    MeasuringHold& operator=(const MeasuringHold&) = delete;
    TSectionListBox& box_;
  };
  struct RowPainter;
  // BeginUpdate for one scope inside the control: the batch ends on every path, a throw
  // included, so the list never stays without redraw. A null box is no batch.
  class UpdateScope {
   public:
    explicit UpdateScope(TSectionListBox* box) : box_(box) {
      if (box_) box_->BeginUpdate();
    }
    ~UpdateScope();
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

   private:
    TSectionListBox* box_;
  };
  // What the current update batch changed.
  enum class BatchChange { kNone, kRows, kWhole };

  // A tab stop being dragged on a header row: armed by hovering, active while the button is down.
  struct TabDrag {
    bool armed = false;
    bool active = false;
    int stop = -1;
    int section = -1;
    int x = -1;  // where the drag line stands, -1 before the first move
  };

  template <typename T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    RepaintUnlessUpdating();
  }
  void RepaintUnlessUpdating();
  // Notes, inside an update batch, that the batch changed what the list shows: rows came, went
  // or moved, or something every row shows changed.
  void NoteChange();
  // Notes, inside an update batch, that only `row`'s looks changed.
  void NoteRowChange(int row);
  void RepaintRow(int row);
  void RepaintHeaderRow(const TListSection& section);
  void TabsChanged();
  // A section's font or font usage changed: its rows are measured again.
  void SectionFontChanged(const TListSection& section);

  // The row list kept in step with the sections (section_list_box_rows.cpp).
  bool HasRows() const { return rows_ != nullptr && !destroying_; }
  void FillRows();
  void AppendHeaderRow(const TListSection& section);
  void SetHeaderRow(const TListSection& section);
  void RemoveSectionRows(const TListSection& section);
  void ClearRows();
  // Every change to the rows tells row_widths_, which follows them.
  void RowsInserted(int index, int count);  // -1 appends
  void RowsDeleted(int index, int count);
  void ForgetRowWidths(int first, int count);
  void ExpandRows(const TListSection& section);
  void ContractRows(const TListSection& section);
  void InsertSubItemRow(const TListSection& section, int index);
  void DeleteSubItemRows(const TListSection& section, int index, int count);
  void SyncSubItemRowText(const TListSection& section, int index);
  int MeasureSubItem(const TListSection& section, const std::string& text);
  const platform::Font& HeaderFont(const TListSection& section) const;
  const platform::Font& SubItemFont(const TListSection& section) const;
  platform::Canvas* Measuring();

  // Input (section_list_box_input.cpp).
  void ClearSelection();
  void MoveSelection(int row);
  void FireChange();
  bool InCheckZone(int x) const;
  bool ToggleAllowed(const TListSection& section) const;
  bool OpenIfAddress(const std::string& target);
  MarkupResult HitTestMarkup(int row, int indent, platform::Point at);
  MarkupOptions RowMarkupOptions(MarkupMode mode) const;
  bool LeftDown(platform::Point at, ui::ShiftState shift);
  bool HeaderClickEnds(int row, platform::Point at);
  void ToggleCheck(int row);
  // Keys (section_list_box_keys.cpp).
  void ExpandKey(int row, bool expand);
  void EnterKey(int row);
  void ContextKey(int row);
  void TypeAhead(char key);
  void InsertKey(int row);
  void DeleteKey(int row);
  void SpacePressed(int row);
  void TrackMouse(platform::Point at);
  void MoveTabDrag(int x);
  platform::Rect TabDragLine(int x) const;
  void FinishEdit();

  TListSectionCollection sections_{this};
  TTabPositionCollection tab_positions_{this};
  bool tab_pos_move_ = false;
  bool word_wrap_ = false;
  ui::Picture wallpaper_;
  bool one_expanded_ = false;
  bool full_focus_ = true;
  std::int16_t image_spacing_ = 0;
  int sub_item_height_ = 13;
  const PictureContainer* pictures_ = nullptr;
  bool flat_ = false;
  int section_height_ = 14;
  platform::Font section_font_;
  int section_indent_ = 14;
  int sub_item_indent_ = 14;
  const platform::ImageList* section_images_ = nullptr;
  const platform::ImageList* sub_item_images_ = nullptr;
  TURLSettings url_settings_;
  bool expand_disable_ = false;
  bool contract_disable_ = false;
  ui::Picture expand_glyph_;
  ui::Picture contract_glyph_;
  platform::Color section_color_ = platform::clBtnFace;
  TActiveSection active_section_ = asFull;
  TListNodeType node_type_ = lnFlat;
  TSectionFocus section_focus_ = sfDash;
  bool scroll_track_ = true;
  TSListScrollStyle scroll_style_ = slsNormal;
  platform::Color scroll_color_ = platform::clNone;
  int scroll_width_ = kDefaultScrollBarWidth;
  platform::Color selection_color_ = platform::clHighlight;
  platform::Color selection_text_color_ = platform::clHighlightText;
  int scroll_bar_width_ = kDefaultScrollBarWidth;
  UrlOpener* url_opener_ = nullptr;

  ui::ListRows* rows_ = nullptr;
  int update_count_ = 0;
  BatchChange batch_change_ = BatchChange::kNone;
  std::vector<int> changed_rows_;  // with kRows: the rows to repaint when the batch ends
  bool rebuilding_ = false;        // rows go in or out in bulk: nothing is painted
  bool destroying_ = false;        // the sections being freed leave the rows alone
  TabDrag tab_drag_;
  std::string anchor_;                  // the markup anchor under the mouse
  mutable PictureCache picture_cache_;  // filled as pictures are first needed
  // Device bitmaps of the pictures, made at the first paint after a picture changes.
  std::unique_ptr<platform::Bitmap> wallpaper_bitmap_;
  std::unique_ptr<platform::Bitmap> expand_bitmap_;
  std::unique_ptr<platform::Bitmap> contract_bitmap_;
  // A measuring canvas kept while a bulk measurement runs (see MeasuringHold).
  std::unique_ptr<platform::Canvas> measuring_;
  int measuring_depth_ = 0;
  // Each row's text width as the horizontal extent counts it, indent left out, -1 until
  // measured: a change measures only the rows it touched.
  std::vector<int> row_widths_;
  TSectionMemo memo_;
  int edit_row_ = -1;  // the row being edited, -1 while the editor is closed
  std::string typed_;  // the first letters of a row typed so far
};

}  // namespace controls
