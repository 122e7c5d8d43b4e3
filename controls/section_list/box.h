#pragma once
// TSectionListBox: a list of collapsible sections. Each section shows a header row and, while
// expanded, one row per sub-item (SectionRows keeps the rows in step with the sections). The
// list paints its rows, answers the mouse and the keys, edits sub-items in place and tells
// screen readers what each row reads.
#include <memory>
#include <optional>
#include <string>

#include "controls/section_list/events.h"
#include "controls/section_list/memo.h"
#include "controls/section_list/rows.h"

namespace controls::inline section_list {

class TSectionListBox : public SectionRows, public TSectionListEvents {
 public:
  TSectionListBox(std::string name, ui::Component* parent);
  ~TSectionListBox() override;

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

  void ContractAll();
  void ScrollSectionToTop(int section_index);
  // What `row` reads as: its text without tags, escapes decoded, leading blanks dropped.
  std::string RowPlainText(int row) const;

  // While Enter or Space fires a row's events: where a menu for that row opens, under it in
  // screen coordinates, as the context-menu key passes it. Empty while the mouse fires them.
  const std::optional<platform::Point>& KeyMenuPoint() const { return key_menu_point_; }

  // Expands or contracts the section of `row` as a user's click would, firing the event.
  void ToggleSection(int row);
  // Opens the in-place editor on a sub-item row of an editable text section.
  bool StartEdit(int row);

  TSectionMemo& Memo() { return memo_; }

  // ui::ListBox
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
  bool KeyPress(char32_t key) override;
  void CaptureLost() override;
  ui::AccessibleInfo Accessible() const override;
  int AccessibleChildCount() const override;
  ui::AccessibleInfo AccessibleChild(int row) const override;
  int AccessibleFocusChild() const override;

 protected:
  void BoundsChanged() override;

 private:
  struct RowPainter;

  // SectionListView: the in-place editor closed.
  void EditFinished() override;

  // Input (input.cpp).
  bool OpenIfAddress(const std::string& target);
  markup::Result HitTestMarkup(int row, int indent, platform::Point at);
  bool LeftDown(platform::Point at, ui::ShiftState shift);
  bool HeaderClickEnds(int row, platform::Point at);
  void ToggleCheck(int row);
  // Keys (keys.cpp).
  void ExpandKey(int row, bool expand);
  void EnterKey(int row);
  void ContextKey(int row);
  platform::Point MenuPointOfRow(int row) const;
  void TypeAhead(char32_t key);
  void InsertKey(int row);
  void DeleteKey(int row);
  void SpacePressed(int row);
  void TrackMouse(platform::Point at);
  void MoveTabDrag(int x);
  platform::Rect TabDragLine(int x) const;

  TabDrag tab_drag_;    // a tab stop being dragged on a header row
  std::string anchor_;  // the markup anchor under the mouse
  // Device bitmaps of the pictures, made at the first paint after a picture changes.
  std::unique_ptr<platform::Bitmap> wallpaper_bitmap_;
  std::unique_ptr<platform::Bitmap> expand_bitmap_;
  std::unique_ptr<platform::Bitmap> contract_bitmap_;
  TSectionMemo memo_{*this, *this};
  int edit_row_ = -1;  // the row being edited, -1 while the editor is closed
  std::string typed_;  // the first letters of a row typed so far, in UTF-8
  // The character the key just pressed types is that key's, not typed to find a row.
  bool skip_char_ = false;
  std::optional<platform::Point> key_menu_point_;  // see KeyMenuPoint
};

}  // namespace controls::inline section_list
