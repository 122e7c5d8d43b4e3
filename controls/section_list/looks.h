#pragma once
// The looks of a section list that are only stored: setting one repaints the list (or marks the
// running update batch) through LooksChanged. Looks that change the rows' sizes or pictures are
// set through TSectionListBox.
#include <cstdint>

#include "controls/markup/pictures.h"
#include "controls/section_list/types.h"
#include "controls/section_list/url_opener.h"
#include "controls/section_list/url_settings.h"
#include "platform/canvas.h"
#include "platform/image_list.h"
#include "ui/picture.h"

namespace controls::inline section_list {

class TSectionListLooks {
 public:
  // The vertical scroll-bar width most systems have, until the host tells the real one.
  static constexpr int kDefaultScrollBarWidth = 16;

  virtual ~TSectionListLooks() = default;

  bool TabPosMove() const { return tab_pos_move_; }
  void SetTabPosMove(bool v) { Store(tab_pos_move_, v); }
  bool WordWrap() const { return word_wrap_; }
  const ui::Picture& Wallpaper() const { return wallpaper_; }
  bool OneExpanded() const { return one_expanded_; }
  bool FullFocus() const { return full_focus_; }
  void SetFullFocus(bool v) { Store(full_focus_, v); }
  std::int16_t ImageSpacing() const { return image_spacing_; }
  void SetImageSpacing(std::int16_t v) { Store(image_spacing_, v); }
  // The ItemHeight new sections get.
  int SubItemHeight() const { return sub_item_height_; }
  const markup::PictureContainer* Pictures() const { return pictures_; }
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { Store(flat_, v); }
  int SectionHeight() const { return section_height_; }
  const platform::Font& SectionFont() const { return section_font_; }
  int SectionIndent() const { return section_indent_; }
  void SetSectionIndent(int v) { Store(section_indent_, v); }
  int SubItemIndent() const { return sub_item_indent_; }
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
  const ui::Picture& ContractGlyph() const { return contract_glyph_; }
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

 protected:
  // Repaints the list, or notes the change in the running update batch.
  virtual void LooksChanged() = 0;

  template <typename T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    LooksChanged();
  }

  bool tab_pos_move_ = false;
  bool word_wrap_ = false;
  ui::Picture wallpaper_;
  bool one_expanded_ = false;
  bool full_focus_ = true;
  std::int16_t image_spacing_ = 0;
  int sub_item_height_ = 13;
  const markup::PictureContainer* pictures_ = nullptr;
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
};

}  // namespace controls::inline section_list
