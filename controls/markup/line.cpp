#include <algorithm>

#include "controls/markup/line_layout.h"
#include "controls/markup/text.h"

namespace controls::markup {

namespace {

constexpr std::uint32_t kRunFlags = platform::kDtSingleLine | platform::kDtBottom |
                                    platform::kDtExpandTabs | platform::kDtExternalLeading;
constexpr std::uint32_t kMeasureFlags = platform::kDtSingleLine | platform::kDtExpandTabs |
                                        platform::kDtExternalLeading | platform::kDtCalcRect;

// Entities that only ever mean a character inside a run, never the start of a tag.
std::string ReplaceRunEntities(std::string_view run) {
  std::string out;
  out.reserve(run.size());
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] == '&') {
      const std::string_view rest = run.substr(i);
      if (rest.starts_with("&nbsp;")) {
        out += ' ';
        i += 5;
        continue;
      }
      if (rest.starts_with("&lt;")) {
        out += '<';
        i += 3;
        continue;
      }
      if (rest.starts_with("&gt;")) {
        out += '>';
        i += 3;
        continue;
      }
    }
    out += run[i];
  }
  return out;
}

}  // namespace

Line RenderLine(LineContext& context, std::string_view text, const platform::Rect& box,
                int layout_width, Style& style) {
  return LineLayout(context, text, box, layout_width, style).Run();
}

LineLayout::LineLayout(LineContext& context, std::string_view text, const platform::Rect& box,
                       int layout_width, Style& style)
    : ctx_(context),
      canvas_(context.canvas),
      text_(text),
      box_(box),
      layout_width_(layout_width),
      style_(style),
      origin_(box.left) {}

void LineLayout::ApplyFont() {
  canvas_.SetFont(style_.ToFont());
}

void LineLayout::AddPlain(std::string_view text) {
  // Only the first pass of a line collects the plain text, so every run counts once.
  if (Measuring()) ctx_.result.plain_text += text;
}

int LineLayout::Left() const {
  return Saturate(static_cast<long long>(origin_) + x_);
}

int LineLayout::TextBottom() const {
  return box_.bottom - ctx_.sub_extra;
}

platform::Rect LineLayout::FullRect() const {
  return {ctx_.rect.left - 1, ctx_.rect.top, ctx_.rect.right, ctx_.rect.bottom};
}

Line LineLayout::Run() {
  ApplyFont();
  gh_ = canvas_.TextHeight("gh");
  line_.height = gh_;
  if (Drawing() && style_.para_bk != platform::clNone) {
    const platform::Rect full = FullRect();
    canvas_.FillRect({full.left, box_.top, full.right, box_.bottom}, style_.para_bk);
  }
  while (pos_ < text_.size() && !ended_) {
    if (text_[pos_] != '<') {
      TextRun();
      continue;
    }
    const std::size_t remaining = text_.size() - pos_;
    if (remaining < 3) {
      pos_ = text_.size();  // a "<" with at most one character after it
      break;
    }
    const std::size_t close = text_.find('>', pos_);
    const std::size_t tag_end = close == std::string_view::npos ? text_.size() : close + 1;
    const TagOutcome outcome = Tag(text_.substr(pos_, tag_end - pos_));
    if (outcome == TagOutcome::kEndBefore && pos_ > 0) break;
    pos_ = tag_end;
    if (outcome == TagOutcome::kEndAfter) ended_ = true;
  }
  line_.consumed = pos_;
  line_.width = std::max(0, x_ - trailing_space_);
  return line_;
}

void LineLayout::TextRun() {
  const std::size_t lt = text_.find('<', pos_);
  std::size_t end = lt == std::string_view::npos ? text_.size() : lt;
  if (ctx_.options.word_wrap) {
    // A run is then one word with its trailing space.
    const std::size_t space = text_.substr(pos_, end - pos_).find(' ');
    if (space != std::string_view::npos) end = pos_ + space + 1;
  }
  const std::string run = ReplaceRunEntities(text_.substr(pos_, end - pos_));
  if (style_.hidden) {
    AddPlain(run);
    pos_ = end;
    return;
  }
  ApplyFont();
  // Measured without the bottom alignment, which would move the rectangle on some systems;
  // the height is DrawText's result.
  platform::Rect measured{0, 0, 0, 0};
  const int height = canvas_.DrawText(run, measured, kMeasureFlags);
  const int width = measured.Width();
  line_.height = std::max(line_.height, height);
  if (style_.subscript) line_.sub_extra = std::max(line_.sub_extra, height / 4);
  if (style_.superscript) line_.sup_extra = std::max(line_.sup_extra, height / 4);

  bool fits = static_cast<long long>(x_) + width < layout_width_ || width >= layout_width_;
  // A word is never broken at a tag inside it: its second half stays on the line.
  if (!fits && ctx_.options.word_wrap && !placed_ends_in_space_) fits = true;
  if (!fits && ctx_.options.word_wrap) {
    ended_ = true;  // the run starts the next line
    return;
  }
  DrawRun(run, width);
  AddPlain(run);
  x_ = Saturate(static_cast<long long>(x_) + width);
  placed_ends_in_space_ = !run.empty() && run.back() == ' ';
  trailing_space_ = placed_ends_in_space_ ? canvas_.TextWidth(" ") : 0;
  if (fits) {
    pos_ = end;
  } else {
    // Without word wrap the run is cut with an ellipsis and nothing after it is shown.
    pos_ = text_.size();
    ended_ = true;
  }
}

void LineLayout::DrawRun(const std::string& run, int width) {
  int bottom = TextBottom() - image_offset_;
  if (style_.subscript) bottom += ctx_.sub_extra;
  if (style_.superscript) bottom -= line_.sup_extra;
  if (HitTesting()) {
    const int band_bottom = box_.bottom - image_offset_;
    const platform::Point p = ctx_.options.hit;
    if (style_.in_anchor && !ctx_.result.anchor_hit && p.x >= Left() && p.x < Left() + width &&
        p.y >= band_bottom - gh_ && p.y < band_bottom) {
      ctx_.result.anchor_hit = true;
      ctx_.result.anchor = style_.anchor_target;
    }
    return;
  }
  if (!Drawing()) return;
  // Without word wrap DrawText cuts the run with an ellipsis where the rectangle ends.
  const std::uint32_t flags = kRunFlags | (ctx_.options.word_wrap ? 0 : platform::kDtEndEllipsis);
  platform::Rect r{Left(), box_.top, ctx_.rect.right, bottom};
  if (style_.text_bk != platform::clNone) {
    canvas_.SetBkMode(platform::BkMode::kOpaque);
    canvas_.SetBkColor(style_.text_bk);
  } else {
    canvas_.SetBkMode(platform::BkMode::kTransparent);
  }
  if (style_.shadow) {
    platform::Font shadow = style_.ToFont();
    shadow.color = ctx_.options.shadow_color;
    canvas_.SetFont(shadow);
    platform::Rect offset{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
    canvas_.DrawText(run, offset, flags);
    ApplyFont();
  }
  canvas_.DrawText(run, r, flags);
  if (style_.error_mark && width > 0) {
    canvas_.SetPenColor(platform::clRed);
    canvas_.MoveTo(r.left, bottom + 1);
    bool up = true;
    const int end = Saturate(static_cast<long long>(r.left) + width);
    for (int x = r.left + 2; x <= end; x += 2, up = !up)
      canvas_.LineTo(x, up ? bottom - 1 : bottom + 1);
  }
}

}  // namespace controls::markup
