#pragma once
#include "platform/color.h"

namespace controls::inline section_list {

// How plain texts that are web or mail addresses show and behave in a section list.
struct TURLSettings {
  bool URLAware = false;  // addresses are underlined, coloured and open on a click
  platform::Color URLColor = platform::clBlue;
  bool URLFull = false;  // show the address whole rather than without its scheme
};

}  // namespace controls::inline section_list
