#pragma once
// The state of laying out one markup line, shared by the run code (line.cpp), the tag code
// (tags.cpp) and the pictures (images.cpp). Internal to the renderer.
#include <string>
#include <string_view>

#include "controls/markup/line.h"

namespace controls::markup {

class LineLayout {
 public:
  LineLayout(LineContext& context, std::string_view text, const platform::Rect& box,
             int layout_width, Style& style);
  Line Run();

 private:
  enum class TagOutcome { kContinue, kEndAfter, kEndBefore };

  bool Drawing() const { return ctx_.mode == Mode::kDraw; }
  bool Measuring() const { return ctx_.mode == Mode::kMeasure; }
  bool HitTesting() const { return ctx_.mode == Mode::kHitTest; }
  void ApplyFont();
  void AddPlain(std::string_view text);
  // The x of offset `x` in the line: runs follow the aligned box until an indent tag jumps to
  // an offset from the rectangle's left edge.
  int Left() const;
  int TextBottom() const;
  platform::Rect FullRect() const;

  void TextRun();
  void DrawRun(const std::string& run, int width);
  // The tags (tags.cpp): one table says what opening and what closing each one does.
  struct TagRow;
  static const TagRow* RowOf(std::string_view tag_name);
  TagOutcome Tag(std::string_view tag);
  TagOutcome RotateTag(std::string_view tag);
  TagOutcome FontTag(std::string_view tag);
  TagOutcome IndentTag(std::string_view tag);
  TagOutcome ImageTag(std::string_view tag);
  TagOutcome BulletTag();
  TagOutcome ParagraphTag(std::string_view tag);
  void BodyTag(const std::string& upper);
  void Rule();
  platform::Bitmap* PictureOf(const std::string& source);

  LineContext& ctx_;
  platform::Canvas& canvas_;
  std::string_view text_;
  platform::Rect box_;
  int layout_width_;
  Style& style_;

  Line line_;
  std::size_t pos_ = 0;
  int x_ = 0;
  int origin_;
  int gh_ = 0;  // text height of "gh" at the start of the line
  int image_offset_ = 0;
  int trailing_space_ = 0;
  bool placed_ends_in_space_ = false;
  bool bullet_on_line_ = false;
  bool ended_ = false;
};

}  // namespace controls::markup
