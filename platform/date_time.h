#pragma once
// The current time and texts in the user's own formats.
#include <cstdint>
#include <string>
#include <string_view>

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
  // Milliseconds since the system started, wrapping after 49.7 days: read from memory the system
  // keeps current, no call into it.
  virtual std::uint32_t GetTickCount() = 0;
  // GetNumberFormatA of the user's locale for a whole number given as its decimal digits, without
  // decimals; the digits as they are on failure.
  virtual std::string GetNumberFormatA(std::string_view digits) = 0;
};

}  // namespace platform
