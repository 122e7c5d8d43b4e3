// The pictures of the markup: images in the line ("<IMG>") and the background of the text
// ("<BODY>"), from an image list, the system's icons, the form's pictures or the picture cache.
#include <algorithm>
#include <cmath>

#include "controls/markup/line_layout.h"
#include "controls/markup/text.h"

namespace controls::markup {

platform::Bitmap* LineLayout::PictureOf(const std::string& source) {
  if (source.find("://") != std::string::npos)
    return ctx_.options.cache ? ctx_.options.cache->Get(source) : nullptr;
  if (source.find(':') == std::string::npos && ctx_.options.pictures)
    return ctx_.options.pictures->Find(source);
  return nullptr;
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
