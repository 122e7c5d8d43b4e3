#pragma once
// Colour values written in markup attributes.
#include <string_view>

#include "platform/color.h"

namespace controls::markup {

// A colour name such as "clnavy" (any case); unknown names give black.
platform::Color ColorFromName(std::string_view name);
// "#RRGGBB" as a colour value (red in the low byte).
platform::Color ColorFromHex(std::string_view text);

}  // namespace controls::markup
