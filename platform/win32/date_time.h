#pragma once
// The time and texts in the user's formats.
#include "platform/date_time.h"

namespace platform::win32 {

class Win32DateTime : public platform::DateTime {
 public:
  platform::SystemTime GetLocalTime() override;
  std::string GetDateFormatA(const platform::SystemTime& date) override;
  std::string GetTimeFormatA(const platform::SystemTime& time) override;
  std::uint32_t GetTickCount() override;
  std::string GetNumberFormatA(std::string_view digits) override;
};

}  // namespace platform::win32
