#pragma once
// One section of a section list: a header row and, while expanded, one row per sub-item.
#include <cstdint>
#include <string>

#include "controls/section_list/strings.h"
#include "controls/section_list/types.h"
#include "platform/color.h"
#include "platform/font.h"

namespace controls::inline section_list {

class TListSectionCollection;
class SectionListView;

class TListSection {
 public:
  // Made by TListSectionCollection::Add, which gives it the list's colour and item height.
  TListSection(TListSectionCollection& collection, platform::Color color, int item_height);
  TListSection(const TListSection&) = delete;
  TListSection& operator=(const TListSection&) = delete;

  // The list that shows the section; null for a section of no list.
  SectionListView* View() const;
  int Index() const;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { Store(alignment_, v); }
  TVAlignment VAlignment() const { return valignment_; }
  void SetVAlignment(TVAlignment v) { Store(valignment_, v); }
  bool AutoEdit() const { return auto_edit_; }
  void SetAutoEdit(bool v) { auto_edit_ = v; }
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v) { auto_size_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Fixed() const { return fixed_; }
  void SetFixed(bool v) { Store(fixed_, v); }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int v) { Store(image_index_, v); }
  TListSectionState State() const { return state_; }
  // Inserts or removes the sub-item rows; fires no event.
  void SetState(TListSectionState state);
  TSectionListStrings& SubItems() { return sub_items_; }
  const TSectionListStrings& SubItems() const { return sub_items_; }
  void SetSubItems(const TSectionListStrings& from) { sub_items_.Assign(from); }
  platform::Color Color() const { return color_; }
  void SetColor(platform::Color v) { Store(color_, v); }
  TSectionLines Lines() const { return lines_; }
  void SetLines(TSectionLines v) { Store(lines_, v); }
  const platform::Font& Font() const { return font_; }
  void SetFont(const platform::Font& v);
  TFontUsage FontUsage() const { return font_usage_; }
  void SetFontUsage(TFontUsage v);
  bool EndEllipsis() const { return end_ellipsis_; }
  void SetEndEllipsis(bool v) { Store(end_ellipsis_, v); }
  TSectionControlType ControlType() const { return control_type_; }
  void SetControlType(TSectionControlType v) { Store(control_type_, v); }
  int RadioIndex() const { return radio_index_; }
  void SetRadioIndex(int v) { Store(radio_index_, v); }
  TSortDirection SortDirection() const { return sort_direction_; }
  void SetSortDirection(TSortDirection direction);
  bool SortShow() const { return sort_show_; }
  void SetSortShow(bool v) { Store(sort_show_, v); }
  int Tag() const { return tag_; }
  void SetTag(int v) { tag_ = v; }
  // What the section stands for, for the application; never shown.
  const TItemKey& Key() const { return key_; }
  void SetKey(const TItemKey& key) { key_ = key; }
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool v) { Store(owner_draw_, v); }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v) { Store(read_only_, v); }
  int ItemHeight() const { return item_height_; }
  // Measures the sub-item rows anew when expanded.
  void SetItemHeight(int height);

  // -1 (or false) for an index the section does not have; setting one throws
  // ESectionListBoxError. Setting repaints only the sub-item's row.
  std::int16_t SubItemImageIndex(int index) const;
  void SetSubItemImageIndex(int index, std::int16_t image);
  bool SubItemChecked(int index) const;
  void SetSubItemChecked(int index, bool checked);

  // Copies the caption, key, sub-items, alignment, colour, control type, end ellipsis, fixed, radio
  // index, font usage, font, image index, lines and state; the rest stays this section's own.
  void Assign(const TListSection& from);

 private:
  template <typename T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  // Repaints the list unless an update is in progress.
  void Changed();
  void RepaintSubItem(int index);

  TListSectionCollection& collection_;
  TAlignment alignment_ = taLeftJustify;
  TVAlignment valignment_ = vtaCenter;
  bool auto_edit_ = false;
  bool auto_size_ = true;
  std::string caption_;
  bool fixed_ = false;
  int image_index_ = -1;
  TListSectionState state_ = lssContracted;
  TSectionListStrings sub_items_{this};
  platform::Color color_;
  TSectionLines lines_ = slNone;
  platform::Font font_;
  TFontUsage font_usage_ = fuSubItems;
  bool end_ellipsis_ = false;
  TSectionControlType control_type_ = scText;
  int radio_index_ = 0;
  TSortDirection sort_direction_ = sdNone;
  bool sort_show_ = false;
  int tag_ = 0;
  TItemKey key_;
  bool owner_draw_ = false;
  bool read_only_ = true;
  int item_height_;
};

}  // namespace controls::inline section_list
