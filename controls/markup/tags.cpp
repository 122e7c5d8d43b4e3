// Tag handling of the markup renderer: what each opening and closing tag does to the running
// style and the line. Tags are chosen by their first letters, case-insensitively; a tag whose
// letter means nothing here is removed without effect.
#include <algorithm>
#include <cmath>

#include "controls/markup/line_layout.h"
#include "controls/markup/text.h"

namespace controls::markup {

namespace {

char UpperAt(std::string_view tag, std::size_t i) {
  if (i >= tag.size()) return '\0';
  const char c = tag[i];
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

int FontSizeOf(int value) {
  static constexpr int kSizes[] = {8, 10, 12, 14, 16};
  return value >= 1 && value <= 5 ? kSizes[value - 1] : value;
}

}  // namespace

LineLayout::TagOutcome LineLayout::Tag(std::string_view tag) {
  if (tag.size() >= 2 && tag[1] == '/') {
    if (tag.size() < 4) return TagOutcome::kContinue;
    return ClosingTag(tag);
  }
  return OpeningTag(tag);
}

LineLayout::TagOutcome LineLayout::OpeningTag(std::string_view tag) {
  const char second = UpperAt(tag, 2);
  switch (UpperAt(tag, 1)) {
    case 'A':
      ++style_.anchor_count;
      if (!ctx_.options.selected) style_.color = ctx_.options.anchor_color;
      style_.in_anchor = true;
      style_.anchor_target = QuotedAfter(tag, 0);
      break;
    case 'B':
      if (second == '>')
        style_.Set(platform::kFontBold, true);
      else if (second == 'R') {
        AddPlain("\r");
        return TagOutcome::kEndAfter;
      } else if (second == 'O' && Drawing()) {
        BodyTag(Upper(tag));
      }
      break;
    case 'E':
      if (Drawing()) style_.error_mark = true;
      break;
    case 'F':
      FontTag(Upper(tag));
      break;
    case 'H':
      if (second == 'I' && Drawing()) {
        style_.highlight_bk_before = style_.text_bk;
        style_.highlight_color_before = style_.color;
        style_.text_bk = platform::clHighlight;
        style_.color = platform::clHighlightText;
      } else if (second == 'R') {
        Rule();
        return TagOutcome::kEndAfter;
      }
      break;
    case 'I':
      if (second == '>')
        style_.Set(platform::kFontItalic, true);
      else if (second == 'N')
        IndentTag(tag);
      else if (second == 'M')
        return ImageTag(tag);
      break;
    case 'L':
      return BulletTag();
    case 'P':
      ParagraphTag(Upper(tag));
      break;
    case 'R': {
      const std::size_t a = FindNoCase(tag, "A");
      if (a == std::string_view::npos) break;
      if (auto angle = ParseInt(QuotedAfter(tag, a + 1))) {
        style_.orientation_before = style_.orientation;
        style_.orientation = *angle * 10;
      }
      break;
    }
    case 'S':
      if (StartsWithNoCase(tag, "<SUB>"))
        style_.subscript = true;
      else if (StartsWithNoCase(tag, "<SUP>"))
        style_.superscript = true;
      else if (second == '>')
        style_.Set(platform::kFontStrikeOut, true);
      else if (second == 'H')
        style_.shadow = true;
      break;
    case 'U':
      if (second == '>')
        style_.Set(platform::kFontUnderline, true);
      else
        ++style_.list_level;
      break;
    case 'Z':
      style_.hidden = true;
      break;
    default:
      break;
  }
  return TagOutcome::kContinue;
}

LineLayout::TagOutcome LineLayout::ClosingTag(std::string_view tag) {
  const platform::Font& base = ctx_.base_font;
  const bool selected = ctx_.options.selected;
  switch (UpperAt(tag, 2)) {
    case 'A':
      style_.in_anchor = false;
      if (!selected) style_.color = base.color;
      break;
    case 'B':
      if (EqualsNoCase(tag, "</B>"))
        style_.Set(platform::kFontBold, false);
      else
        style_.color = base.color;
      break;
    case 'E':
      style_.error_mark = false;
      break;
    case 'F':
      style_.font_name = base.name;
      style_.size = base.size;
      if (Drawing() && !selected) {
        style_.color = base.color;
        style_.text_bk = style_.font_bk_before;
      }
      break;
    case 'H':
      if (Drawing()) {
        style_.text_bk = style_.highlight_bk_before;
        style_.color = style_.highlight_color_before;
      }
      break;
    case 'I':
      style_.Set(platform::kFontItalic, false);
      break;
    case 'P':
      if (Drawing()) style_.para_bk = platform::clNone;
      return TagOutcome::kEndAfter;
    case 'R':
      style_.orientation = style_.orientation_before;
      break;
    case 'S': {
      const char third = UpperAt(tag, 3);
      if (third == 'U')
        style_.subscript = style_.superscript = false;
      else if (third == 'H')
        style_.shadow = false;
      else
        style_.Set(platform::kFontStrikeOut, false);
      break;
    }
    case 'U':
      if (EqualsNoCase(tag, "</U>"))
        style_.Set(platform::kFontUnderline, false);
      else if (style_.list_level > 0)
        --style_.list_level;
      else
        style_.Set(platform::kFontUnderline, false);
      break;
    case 'Z':
      style_.hidden = false;
      break;
    default:
      break;
  }
  return TagOutcome::kContinue;
}

void LineLayout::FontTag(const std::string& upper) {
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
}

void LineLayout::IndentTag(std::string_view tag) {
  const std::size_t x = FindNoCase(tag, "X");
  if (x == std::string_view::npos) return;
  const auto value = ParseInt(QuotedAfter(tag, x + 1));
  // The jump only ever moves right: text that already reaches past it stays where it is.
  if (!value || *value <= x_) return;
  x_ = *value;
  origin_ = ctx_.rect.left;
  trailing_space_ = 0;
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
    canvas_.DrawText(style_.list_level % 2 != 0 ? "\xB7" : "o", r,
                     platform::kDtSingleLine | platform::kDtBottom | platform::kDtNoPrefix);
    ApplyFont();
  }
  return TagOutcome::kContinue;
}

void LineLayout::ParagraphTag(const std::string& upper) {
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
}

void LineLayout::BodyTag(const std::string& upper) {
  const platform::Rect full = FullRect();
  const std::string background = AttributeValue(upper, "BACKGROUND");
  if (!background.empty()) {
    if (platform::Bitmap* picture = PictureOf(background); picture && !picture->Empty()) {
      canvas_.PushClip(full);
      canvas_.Tile(full, *picture, {full.left, full.top});
      canvas_.PopClip();
    }
  }
  if (auto color = ParseColorValue(AttributeValue(upper, "BGCOLOR")))
    canvas_.FillRect(full, *color);
}

void LineLayout::Rule() {
  if (!Drawing()) return;
  // Always black, whatever the tag says.
  const int y = TextBottom();
  canvas_.SetPenColor(platform::clBlack);
  canvas_.MoveTo(box_.left, y);
  canvas_.LineTo(box_.right, y);
}

platform::Bitmap* LineLayout::PictureOf(const std::string& source) {
  if (source.find("://") != std::string::npos)
    return ctx_.options.cache ? ctx_.options.cache->Get(source) : nullptr;
  if (source.find(':') == std::string::npos && ctx_.options.pictures)
    return ctx_.options.pictures->Find(source);
  return nullptr;
}

LineLayout::TagOutcome LineLayout::ImageTag(std::string_view tag) {
  const std::string upper = Upper(tag);
  const std::string src = AttributeValue(upper, "SRC");
  const int ppi = canvas_.PixelsPerInch();
  auto scale = [ppi](int pixels) { return pixels * ppi / 96; };

  const platform::ImageList* list = nullptr;
  int index = -1;
  platform::Bitmap* picture = nullptr;
  platform::Size size;
  if (src.starts_with("IDX:")) {
    list = ctx_.options.images;
    index = ParseInt(src.substr(4)).value_or(-1);
  } else if (src.starts_with("SSYS:") || src.starts_with("LSYS:")) {
    if (platform::ShellIcons* shell = ctx_.options.shell) {
      const bool large = src[0] == 'L';
      list = shell->SystemImageList(large);
      const std::string target = src.substr(5);
      if (auto number = ParseInt(target))
        index = *number;
      else
        index = shell->FileIconIndex(target, large);
    }
  } else {
    picture = PictureOf(src);
  }
  if (list) {
    if (index < 0 || index >= list->Count())
      list = nullptr;
    else
      size = {scale(list->Width()), scale(list->Height())};
  }
  bool stretch = false;
  if (picture && !picture->Empty()) {
    const auto width = ParseInt(AttributeValue(upper, "WIDTH"));
    const auto height = ParseInt(AttributeValue(upper, "HEIGHT"));
    stretch = width && height && *width >= 1 && *height >= 1;
    if (stretch) {
      size = {*width, *height};
    } else {
      const double factor = ctx_.options.picture_scale;
      size = {static_cast<int>(std::lround(scale(picture->Width()) * factor)),
              static_cast<int>(std::lround(scale(picture->Height()) * factor))};
    }
  } else {
    picture = nullptr;
  }
  if (!list && !picture) return TagOutcome::kContinue;  // takes no space

  if (size.cx > static_cast<long long>(layout_width_) - x_ && size.cx <= layout_width_)
    return TagOutcome::kEndBefore;
  const platform::Rect at = platform::RectOfSize(Left(), box_.top, size.cx, size.cy);
  if (Drawing()) {
    if (list)
      canvas_.DrawImage(*list, index, at.left, at.top, true);
    else if (stretch || size.cx != picture->Width() || size.cy != picture->Height())
      canvas_.StretchDraw(at, *picture);
    else
      canvas_.Draw(at.left, at.top, *picture);
  } else if (HitTesting() && style_.in_anchor && !ctx_.result.anchor_hit &&
             at.Contains(ctx_.options.hit)) {
    ctx_.result.anchor_hit = true;
    ctx_.result.anchor = style_.anchor_target;
  }
  x_ = Saturate(static_cast<long long>(x_) + size.cx);
  trailing_space_ = 0;
  line_.height = std::max(line_.height, size.cy);

  if (upper.find("ALIGN") != std::string::npos) {
    if (upper.find("\"TOP") != std::string::npos)
      image_offset_ = line_.height - gh_;
    else if (upper.find("\"MIDDLE") != std::string::npos)
      image_offset_ = (line_.height - gh_) / 2;
  }
  return TagOutcome::kContinue;
}

}  // namespace controls::markup
