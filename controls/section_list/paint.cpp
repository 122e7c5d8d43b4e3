// Painting: the background with its tiled wallpaper, and each row in layers (background, check
// box or radio button, image, text, frame, sort arrow, node, focus mark). Painting never
// measures rows: their heights were fixed when they were inserted.
#include <cstdlib>

#include "controls/section_list/box.h"
#include "controls/section_list/parts.h"
#include "controls/section_list/rich_text.h"

namespace controls::inline section_list {

namespace {

constexpr platform::Color kFrameLight = platform::clWhite;
constexpr platform::Color kFrameShadow = 0x808080;
constexpr platform::Color kRuleColor = 0x808080;
constexpr int kCheckBoxSize = 14;
constexpr int kRadioSize = 10;
constexpr int kMarkAdvance = 16;  // room a check box or radio button takes before the text
constexpr int kNodeSize = 8;
constexpr int kNodeLeft = 4;
constexpr int kGlyphLeft = 3;
constexpr int kSortRight = 10;  // the sort arrow's right end, left of the scroll bar
constexpr int kSortSize = 8;
constexpr int kFocusFrameWidth = 3;

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// Tiles `picture` over `area` from the client origin, clipped to the area.
void TilePicture(platform::Canvas& canvas, const platform::Rect& area, const ui::Picture& picture,
                 std::unique_ptr<platform::Bitmap>& bitmap) {
  if (!bitmap) bitmap = ui::ToTileBitmap(canvas, picture);
  canvas.PushClip(area);
  canvas.Tile(area, *bitmap, {0, 0});
  canvas.PopClip();
}

void Line(platform::Canvas& canvas, platform::Color color, int x0, int y0, int x1, int y1) {
  canvas.SetPenColor(color);
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

// A mark's top in a row by vertical alignment.
int MarkTop(TVAlignment align, const platform::Rect& rect, int centre_size, int top_gap,
            int bottom_size) {
  switch (align) {
    case vtaTop:
      return rect.top + top_gap;
    case vtaBottom:
      return rect.bottom - bottom_size;
    default:
      return rect.top + (rect.Height() - centre_size) / 2;
  }
}

// "http://host/page" shows as "host/page", "mailto:a@b" as "a@b".
std::string ShortAddress(const std::string& text) {
  const std::size_t colon = text.find(':');
  std::string shown = colon == std::string::npos ? text : text.substr(colon + 1);
  if (shown.starts_with("/")) shown.erase(0, 2);
  return shown;
}

}  // namespace

struct TSectionListBox::RowPainter {
  TSectionListBox& box;
  platform::Canvas& canvas;
  const ui::RowPaint& paint;
  TListSection& section;
  int index;
  int sub_item;
  std::string text;

  bool Header() const { return sub_item < 0; }
  const platform::Rect& Rect() const { return paint.rect; }

  void Paint() {
    if (!Header() && section.OwnerDraw() && box.OnDrawItem) return PaintOwnerDrawn();
    platform::Color background;
    platform::Font font;
    ChooseColours(background, font);
    const bool url = !Contains(text, "</") && box.url_settings_.URLAware &&
                     (Contains(text, "://") || Contains(text, "mailto:"));
    if (url) {
      font.style |= platform::kFontUnderline;
      font.color = box.url_settings_.URLColor;
      if (!box.url_settings_.URLFull) text = ShortAddress(text);
    }
    if (box.wallpaper_.Empty() || Header())
      canvas.FillRect(Rect(), background);
    else
      TilePicture(canvas, Rect(), box.wallpaper_, box.wallpaper_bitmap_);
    int x =
        Rect().left + (Header() && !section.Fixed() ? box.section_indent_ : box.sub_item_indent_);
    if (!Header()) PaintMark(x);
    PaintImage(x);
    canvas.SetFont(font);
    const int text_width = PaintText(x, background);
    PaintFrame();
    if (Header() && section.State() == lssExpanded && section.SortShow()) PaintSortArrow();
    if (Header() && !section.Fixed()) PaintNode();
    PaintFocus(x, text_width);
  }

  void PaintOwnerDrawn() {
    canvas.FillRect(Rect(), paint.selected ? box.selection_color_ : section.Color());
    platform::Font font = section.Font();
    if (paint.selected) font.color = box.selection_text_color_;
    canvas.SetFont(font);
    box.OnDrawItem(box, section, index, sub_item, canvas, Rect(), {paint.selected, paint.focused});
  }

  void ChooseColours(platform::Color& background, platform::Font& font) const {
    if (Header()) {
      background = box.section_color_;
      font = HeaderFont(box, section);
      return;
    }
    font = SubItemFont(box, section);
    background = section.Color();
    if (paint.selected) {
      if (box.full_focus_) background = box.selection_color_;
      font.color = box.selection_text_color_;
    }
  }

  void PaintMark(int& x) {
    const TSectionControlType type = section.ControlType();
    if (type == scText) return;
    // The mark follows the check for check boxes and the radio index for radio buttons.
    const bool on =
        type == scCheckbox ? section.SubItemChecked(sub_item) : sub_item == section.RadioIndex();
    std::uint32_t state =
        type == scCheckbox ? platform::kDfcsButtonCheck : platform::kDfcsButtonRadio;
    if (box.flat_) state |= platform::kDfcsFlat;
    if (section.ReadOnly()) state |= platform::kDfcsInactive;
    if (on) state |= platform::kDfcsChecked;
    const TVAlignment align = section.VAlignment();
    if (type == scCheckbox) {
      const int top = MarkTop(align, Rect(), kCheckBoxSize - 2, 1, kCheckBoxSize);
      canvas.DrawFrameControl(platform::RectOfSize(x, top, kCheckBoxSize, kCheckBoxSize), state);
    } else {
      const int top = MarkTop(align, Rect(), kRadioSize, 2, kRadioSize);
      canvas.DrawFrameControl(platform::RectOfSize(x, top, kRadioSize, kRadioSize), state);
    }
    x += kMarkAdvance;
  }

  void PaintImage(int& x) {
    const platform::ImageList* list = Header() ? box.section_images_ : box.sub_item_images_;
    const int image = !list      ? -1
                      : Header() ? section.ImageIndex()
                                 : section.SubItemImageIndex(sub_item);
    if (image < 0) return;
    int offset = (Rect().Height() - list->Height()) / 2;
    if (section.VAlignment() == vtaTop) offset = 0;
    if (section.VAlignment() == vtaBottom) offset = Rect().Height() - list->Height();
    canvas.DrawImage(*list, image, x, Rect().top + offset, true);
    x += list->Width() + box.image_spacing_;
  }

  std::uint32_t HorizontalFlags() const {
    switch (section.Alignment()) {
      case taRightJustify:
        return platform::kDtRight;
      case taCenter:
        return platform::kDtCenter;
      default:
        return platform::kDtLeft;
    }
  }

  std::uint32_t LayoutFlags() const {
    std::uint32_t flags = HorizontalFlags();
    if (section.VAlignment() == vtaCenter) flags |= platform::kDtVCenter;
    if (section.VAlignment() == vtaBottom) flags |= platform::kDtBottom;
    if (!Contains(text, "\r")) flags |= platform::kDtSingleLine;
    if (section.EndEllipsis()) flags |= platform::kDtEndEllipsis;
    return flags;
  }

  // Draws the text from `x` and answers its width where the focus mark needs it.
  int PaintText(int x, platform::Color background) {
    platform::Rect area{x, Rect().top, Rect().right, Rect().bottom};
    if (Contains(text, "</") && !IsRichText(text)) {
      markup::Options options = box.RowMarkupOptions(markup::Mode::kDraw);
      options.selected = paint.selected && !Header();
      markup::Render(canvas, text, area, options);
      return area.Width();
    }
    const std::string shown = IsRichText(text) ? RichTextToPlain(text) : text;
    if (!box.wallpaper_.Empty()) {
      canvas.SetBkMode(platform::BkMode::kTransparent);
    } else {
      canvas.SetBkMode(platform::BkMode::kOpaque);
      canvas.SetBkColor(background);
    }
    if (!box.full_focus_ && paint.selected && !Header()) {
      canvas.SetBkMode(platform::BkMode::kOpaque);
      canvas.SetBkColor(box.selection_color_);
    }
    if (box.OnDrawItemProp) box.OnDrawItemProp(box, section, index, sub_item, canvas);
    if (Header() || Contains(shown, "\t")) return PaintTabbed(x, shown);
    if (box.word_wrap_) {
      area.right = std::min(area.right, box.Width() - box.scroll_bar_width_);
      canvas.DrawText(shown, area,
                      HorizontalFlags() | platform::kDtWordBreak | platform::kDtNoPrefix);
    } else {
      canvas.DrawText(shown, area, LayoutFlags() | platform::kDtNoPrefix);
    }
    return box.full_focus_ ? 0 : canvas.TextWidth(shown);
  }

  int PaintTabbed(int x, const std::string& shown) {
    const int line = canvas.TextHeight("gh");
    const int base = Header() ? box.section_height_ : section.ItemHeight();
    int y = Rect().top + (base - line) / 2;
    if (section.VAlignment() == vtaTop) y = Rect().top;
    if (section.VAlignment() == vtaBottom) y = Rect().bottom - line;
    const std::vector<int> stops = box.tab_positions_.Stops();
    const int width = canvas.TabbedTextOut(x, y, shown, stops, Rect().left).cx;
    const bool lines = !Header() && (section.Lines() == slVertical || section.Lines() == slBoth);
    const bool movable = box.tab_pos_move_ && section.State() == lssExpanded;
    if (!stops.empty() && (lines || movable)) {
      for (int stop : stops) {
        const int at = Rect().left + (stop < 0 ? -stop + 2 : stop - 2);
        Line(canvas, platform::clBlack, at, Rect().top, at, Rect().bottom);
        Line(canvas, platform::clWhite, at + 1, Rect().top, at + 1, Rect().bottom);
      }
    }
    return width;
  }

  void PaintFrame() {
    const platform::Rect& r = Rect();
    if (Header()) {
      const bool thick = paint.focused && box.section_focus_ == sf3D;
      canvas.Frame3D({r.left, r.top, r.right + 1, r.bottom}, kFrameLight, kFrameShadow,
                     thick ? kFocusFrameWidth : 1);
    } else if (section.Lines() == slHorizontal || section.Lines() == slBoth) {
      Line(canvas, kRuleColor, r.left, r.bottom - 1, r.right + 1, r.bottom - 1);
    }
  }

  void PaintSortArrow() {
    const int right = box.Width() - box.scroll_bar_width_ - kSortRight;
    const int t = Rect().top + (Rect().Height() - kSortSize) / 2;
    canvas.SetPenColor(kFrameShadow);
    switch (section.SortDirection()) {
      case sdNone:
        canvas.MoveTo(right - 10, t);
        canvas.LineTo(right - 2, t);
        canvas.LineTo(right - 2, t + 8);
        canvas.LineTo(right - 10, t + 8);
        canvas.LineTo(right - 10, t);
        break;
      case sdAscending:
        Line(canvas, kFrameLight, right - 6, t, right - 10, t + 8);
        canvas.SetPenColor(kFrameShadow);
        canvas.LineTo(right - 2, t + 8);
        canvas.LineTo(right - 6, t);
        break;
      case sdDescending:
        Line(canvas, kFrameLight, right - 10, t, right - 6, t + 8);
        canvas.SetPenColor(kFrameShadow);
        canvas.LineTo(right - 2, t);
        canvas.LineTo(right - 10, t);
        break;
    }
  }

  void PaintNode() {
    const bool empty = section.SubItems().Count() == 0;
    const bool contracted = section.State() == lssContracted;
    const int l = Rect().left + kNodeLeft;
    const int t = Rect().top + (box.section_height_ - kNodeSize) / 2;
    switch (box.node_type_) {
      case lnFlat:
        canvas.SetPenColor(empty ? platform::clGray : platform::clBlack);
        canvas.SetBrushColor(box.section_color_);
        canvas.Rectangle({l - 1, t - 1, l + kNodeSize, t + kNodeSize});
        if (empty) break;
        Line(canvas, platform::clBlack, l + 1, t + 3, l + 6, t + 3);
        if (contracted) Line(canvas, platform::clBlack, l + 3, t + 1, l + 3, t + 6);
        break;
      case ln3D:
        canvas.DrawEdge({l, t, l + kNodeSize, t + kNodeSize},
                        empty        ? platform::kEdgeEtched
                        : contracted ? platform::kEdgeRaised
                                     : platform::kEdgeSunken,
                        platform::kBfRect | platform::kBfSoft);
        break;
      case lnGlyph: {
        const ui::Picture& glyph = contracted ? box.contract_glyph_ : box.expand_glyph_;
        if (glyph.Empty()) break;
        std::unique_ptr<platform::Bitmap>& bitmap =
            contracted ? box.contract_bitmap_ : box.expand_bitmap_;
        if (!bitmap) bitmap = ui::ToBitmap(canvas, glyph);
        const int y = Rect().top + (Rect().Height() - box.contract_glyph_.height) / 2;
        canvas.DrawReplacingColor(Rect().left + kGlyphLeft, y, *bitmap, ui::TransparentColor(glyph),
                                  box.section_color_);
        break;
      }
    }
  }

  void PaintFocus(int x, int text_width) {
    // Over a wallpaper a dotted frame would scar the picture: the text colour shows the focus.
    if (!paint.focused || (Header() && section.Fixed()) || !box.wallpaper_.Empty()) return;
    if (Header() && box.section_focus_ != sfDash) return;
    platform::Rect r{Rect().left + 1, Rect().top + 1, Rect().right - 1, Rect().bottom - 1};
    if (!box.full_focus_) {
      const int height = canvas.TextHeight("gh");
      r.left = x - 1;
      r.right = x + text_width + 1;
      r.top = Rect().top + (Rect().Height() - height) / 2;
      if (section.VAlignment() == vtaTop) r.top = Rect().top;
      if (section.VAlignment() == vtaBottom) r.top = Rect().bottom - height;
      r.bottom = r.top + height;
    }
    canvas.DrawFocusRect(r);
  }
};

void TSectionListBox::PaintBackground(platform::Canvas& canvas, const platform::Rect& area) {
  if (wallpaper_.Empty()) {
    if (update_count_ == 0) canvas.FillRect(area, Color());
    return;
  }
  TilePicture(canvas, area, wallpaper_, wallpaper_bitmap_);
}

void TSectionListBox::DrawRow(platform::Canvas& canvas, const ui::RowPaint& row) {
  if (!HasRows() || update_count_ > 0 || rebuilding_) return;
  if (row.row < 0 || row.row >= rows_->Count()) return;
  TListSection* section = SectionAtRow(row.row);
  if (!section) return;
  canvas.PushClip(row.rect);
  RowPainter painter{*this,
                     canvas,
                     row,
                     *section,
                     SectionIndexOfRow(row.row),
                     SubItemIndexOfRow(row.row),
                     RowText(*section, row.row)};
  painter.Paint();
  if (tab_drag_.active && tab_drag_.x >= 0 && SectionIndexOfRow(row.row) == tab_drag_.section)
    Line(canvas, platform::clBlack, tab_drag_.x, row.rect.top, tab_drag_.x, row.rect.bottom);
  canvas.PopClip();
}

}  // namespace controls::inline section_list
