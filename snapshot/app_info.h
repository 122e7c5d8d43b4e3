#pragma once
// One application window of the current tick.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace snapshot {

struct appinfos {
  std::string title;              // window text, at most 255 characters
  std::int32_t image_index = -1;  // class icon in the window-icon image list; -1: none
  platform::WindowHandle window = 0;
  std::uint32_t process_id = 0;  // the process that made it; 0 when the system did not say
};

}  // namespace snapshot
