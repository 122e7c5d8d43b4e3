// Tag handling of the markup renderer: what each opening and closing tag does to the running
// style and the line. One table names the tags by their first letters, case-insensitively, and
// says what opening and what closing each does; a tag it does not name is removed without
// effect.
#include "controls/markup/line_layout.h"
#include "controls/markup/text.h"

namespace controls::markup {

namespace {

int FontSizeOf(int value) {
  static constexpr int kSizes[] = {8, 10, 12, 14, 16};
  return value >= 1 && value <= 5 ? kSizes[value - 1] : value;
}

}  // namespace

// One row of the tag table: the tags whose name (after "<" or "</") starts with `name`, or with
// `whole` is `name` alone, as "<B>" is beside "<BR>". Opening one switches `font_bit` and `flag`
// on and calls `open`; closing one switches them off and calls `close`.
struct LineLayout::TagRow {
  using Handler = TagOutcome (*)(LineLayout& line, std::string_view tag);

  std::string_view name;
  bool whole = false;
  platform::FontStyle font_bit = {};
  bool Style::*flag = nullptr;  // a flag of the style, switched as `font_bit` is
  Handler open = nullptr;
  Handler close = nullptr;

  bool Matches(std::string_view tag_name) const {
    if (!StartsWithNoCase(tag_name, name)) return false;
    return !whole || (tag_name.size() > name.size() && tag_name[name.size()] == '>');
  }
};

const LineLayout::TagRow* LineLayout::RowOf(std::string_view tag_name) {
  using L = LineLayout;
  using S = std::string_view;
  constexpr TagOutcome kOn = TagOutcome::kContinue;
  // Closing handlers that several rows share: none of them nests, each brings back a part of
  // the base font or of the style before the tag.
  constexpr TagRow::Handler kBaseColor = [](L& l, S) {
    l.style_.color = l.ctx_.base_font.color;
    return kOn;
  };
  constexpr TagRow::Handler kHighlightOff = [](L& l, S) {
    if (l.Drawing()) {
      l.style_.text_bk = l.style_.highlight_bk_before;
      l.style_.color = l.style_.highlight_color_before;
    }
    return kOn;
  };
  constexpr TagRow::Handler kItalicOff = [](L& l, S) {
    l.style_.Set(platform::kFontItalic, false);
    return kOn;
  };
  constexpr TagRow::Handler kScriptOff = [](L& l, S) {
    l.style_.subscript = l.style_.superscript = false;
    return kOn;
  };
  constexpr TagRow::Handler kStrikeOutOff = [](L& l, S) {
    l.style_.Set(platform::kFontStrikeOut, false);
    return kOn;
  };

  // The first row that matches decides, so a whole name stands before the names it starts.
  static constexpr TagRow kTags[] = {
      {.name = "A",
       .open =
           [](L& l, S tag) {
             ++l.style_.anchor_count;
             if (!l.ctx_.options.selected) l.style_.color = l.ctx_.options.anchor_color;
             l.style_.in_anchor = true;
             l.style_.anchor_target = QuotedAfter(tag, 0);
             return kOn;
           },
       .close =
           [](L& l, S) {
             l.style_.in_anchor = false;
             if (!l.ctx_.options.selected) l.style_.color = l.ctx_.base_font.color;
             return kOn;
           }},
      {.name = "B", .whole = true, .font_bit = platform::kFontBold},
      {.name = "BR",
       .open =
           [](L& l, S) {
             l.AddPlain("\r");
             return TagOutcome::kEndAfter;
           },
       .close = kBaseColor},
      {.name = "BO",
       .open =
           [](L& l, S tag) {
             if (l.Drawing()) l.BodyTag(Upper(tag));
             return kOn;
           },
       .close = kBaseColor},
      {.name = "B", .close = kBaseColor},
      {.name = "E",
       .open =
           [](L& l, S) {
             if (l.Drawing()) l.style_.error_mark = true;
             return kOn;
           },
       .close =
           [](L& l, S) {
             l.style_.error_mark = false;
             return kOn;
           }},
      {.name = "F",
       .open = [](L& l, S tag) { return l.FontTag(tag); },
       .close =
           [](L& l, S) {
             const platform::Font& base = l.ctx_.base_font;
             l.style_.font_name = base.name;
             l.style_.size = base.size;
             if (l.Drawing() && !l.ctx_.options.selected) {
               l.style_.color = base.color;
               l.style_.text_bk = l.style_.font_bk_before;
             }
             return kOn;
           }},
      {.name = "HI",
       .open =
           [](L& l, S) {
             if (l.Drawing()) {
               l.style_.highlight_bk_before = l.style_.text_bk;
               l.style_.highlight_color_before = l.style_.color;
               l.style_.text_bk = platform::clHighlight;
               l.style_.color = platform::clHighlightText;
             }
             return kOn;
           },
       .close = kHighlightOff},
      {.name = "HR",
       .open =
           [](L& l, S) {
             l.Rule();
             return TagOutcome::kEndAfter;
           },
       .close = kHighlightOff},
      {.name = "H", .close = kHighlightOff},
      {.name = "I", .whole = true, .font_bit = platform::kFontItalic},
      {.name = "IN", .open = [](L& l, S tag) { return l.IndentTag(tag); }, .close = kItalicOff},
      {.name = "IM", .open = [](L& l, S tag) { return l.ImageTag(tag); }, .close = kItalicOff},
      {.name = "I", .close = kItalicOff},
      {.name = "L", .open = [](L& l, S) { return l.BulletTag(); }},
      {.name = "P",
       .open = [](L& l, S tag) { return l.ParagraphTag(tag); },
       .close =
           [](L& l, S) {
             if (l.Drawing()) l.style_.para_bk = platform::clNone;
             return TagOutcome::kEndAfter;
           }},
      {.name = "R",
       .open = [](L& l, S tag) { return l.RotateTag(tag); },
       .close =
           [](L& l, S) {
             l.style_.orientation = l.style_.orientation_before;
             return kOn;
           }},
      {.name = "SUB", .whole = true, .flag = &Style::subscript, .close = kScriptOff},
      {.name = "SUP", .whole = true, .flag = &Style::superscript, .close = kScriptOff},
      {.name = "SU", .close = kScriptOff},
      {.name = "S", .whole = true, .font_bit = platform::kFontStrikeOut},
      {.name = "SH", .flag = &Style::shadow},
      {.name = "S", .close = kStrikeOutOff},
      {.name = "U", .whole = true, .font_bit = platform::kFontUnderline},
      // Any other "U" tag is a list ("<UL>"); closing one more than were opened underlines no
      // more.
      {.name = "U",
       .open =
           [](L& l, S) {
             ++l.style_.list_level;
             return kOn;
           },
       .close =
           [](L& l, S) {
             if (l.style_.list_level > 0)
               --l.style_.list_level;
             else
               l.style_.Set(platform::kFontUnderline, false);
             return kOn;
           }},
      {.name = "Z", .flag = &Style::hidden},
  };
  for (const TagRow& row : kTags)
    if (row.Matches(tag_name)) return &row;
  return nullptr;
}

LineLayout::TagOutcome LineLayout::Tag(std::string_view tag) {
  const bool closing = tag.size() >= 2 && tag[1] == '/';
  if (closing && tag.size() < 4) return TagOutcome::kContinue;
  const TagRow* row = RowOf(tag.substr(closing ? 2 : 1));
  if (!row) return TagOutcome::kContinue;
  if (row->font_bit != 0) style_.Set(row->font_bit, !closing);
  if (row->flag) style_.*(row->flag) = !closing;
  const TagRow::Handler handler = closing ? row->close : row->open;
  return handler ? handler(*this, tag) : TagOutcome::kContinue;
}

LineLayout::TagOutcome LineLayout::RotateTag(std::string_view tag) {
  const std::size_t a = FindNoCase(tag, "A");
  if (a == std::string_view::npos) return TagOutcome::kContinue;
  if (auto angle = ParseInt(QuotedAfter(tag, a + 1))) {
    style_.orientation_before = style_.orientation;
    style_.orientation = *angle * 10;
  }
  return TagOutcome::kContinue;
}

LineLayout::TagOutcome LineLayout::FontTag(std::string_view tag) {
  const std::string upper = Upper(tag);
  const bool selected = ctx_.options.selected;
  const std::string face = AttributeValue(upper, "FACE");
  if (!face.empty()) style_.font_name = face;
  // " COLOR" with its space, so that BGCOLOR is not taken for it.
  if (!selected) {
    if (auto color = ParseColorValue(AttributeValue(upper, " COLOR"))) style_.color = *color;
  }
  if (!selected && !Measuring()) {
    if (auto bk = ParseColorValue(AttributeValue(upper, "BGCOLOR"))) {
      style_.font_bk_before = style_.text_bk;
      style_.text_bk = *bk;
    }
  }
  if (auto size = ParseLeadingDigits(AttributeValue(upper, "SIZE"))) {
    style_.size = FontSizeOf(*size);
  }
  return TagOutcome::kContinue;
}

LineLayout::TagOutcome LineLayout::IndentTag(std::string_view tag) {
  const std::size_t x = FindNoCase(tag, "X");
  if (x == std::string_view::npos) return TagOutcome::kContinue;
  const auto value = ParseInt(QuotedAfter(tag, x + 1));
  // The jump only ever moves right: text that already reaches past it stays where it is.
  if (!value || *value <= x_) return TagOutcome::kContinue;
  x_ = *value;
  origin_ = ctx_.rect.left;
  trailing_space_ = 0;
  return TagOutcome::kContinue;
}

LineLayout::TagOutcome LineLayout::BulletTag() {
  if (bullet_on_line_) return TagOutcome::kEndBefore;
  bullet_on_line_ = true;
  x_ = Saturate(static_cast<long long>(x_) + 12LL * style_.list_level);
  if (Drawing()) {
    platform::Font symbol = style_.ToFont();
    symbol.name = "Symbol";
    canvas_.SetFont(symbol);
    canvas_.SetBkMode(platform::BkMode::kTransparent);
    platform::Rect r{Left() - 12, box_.top, Left(), TextBottom() - image_offset_};
    canvas_.DrawText(style_.list_level % 2 != 0 ? "\xC2\xB7" : "o", r,
                     platform::kDtSingleLine | platform::kDtBottom | platform::kDtNoPrefix);
    ApplyFont();
  }
  return TagOutcome::kContinue;
}

LineLayout::TagOutcome LineLayout::ParagraphTag(std::string_view tag) {
  const std::string upper = Upper(tag);
  const std::string align = AttributeValue(upper, "ALIGN");
  if (align.find("RIGHT") != std::string::npos)
    style_.align = ParagraphAlign::kRight;
  else if (align.find("LEFT") != std::string::npos)
    style_.align = ParagraphAlign::kLeft;
  else if (align.find("CENTER") != std::string::npos)
    style_.align = ParagraphAlign::kCenter;
  if (auto indent = ParseInt(AttributeValue(upper, "INDENT"))) style_.indent = *indent;
  if (Drawing()) {
    if (auto bk = ParseColorValue(AttributeValue(upper, "BGCOLOR"))) {
      style_.para_bk = *bk;
      const platform::Rect full = FullRect();
      canvas_.FillRect({full.left, box_.top, full.right, box_.bottom}, *bk);
    }
  }
  return TagOutcome::kContinue;
}

void LineLayout::Rule() {
  if (!Drawing()) return;
  // Always black, whatever the tag says.
  const int y = TextBottom();
  canvas_.SetPenColor(platform::clBlack);
  canvas_.MoveTo(box_.left, y);
  canvas_.LineTo(box_.right, y);
}

}  // namespace controls::markup
