#pragma once
// The current local time and its texts in the user's own formats.
#include <string>

#include "platform/system_texts.h"

namespace platform {

class DateTime {
 public:
  virtual ~DateTime() = default;
  virtual SystemTime GetLocalTime() = 0;
  // GetDateFormatA with the user's short date format; "" on failure.
  virtual std::string GetDateFormatA(const SystemTime& date) = 0;
  // GetTimeFormatA with the user's (long) time format; "" on failure.
  virtual std::string GetTimeFormatA(const SystemTime& time) = 0;
};

}  // namespace platform
