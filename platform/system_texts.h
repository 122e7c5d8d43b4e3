#pragma once
// What the system tells of an error code and of a file's last write time.
#include <cstdint>
#include <string>

namespace platform {

// A SYSTEMTIME.
struct SystemTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t day_of_week = 0;
  std::uint16_t day = 0;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;
};

class SystemTexts {
 public:
  virtual ~SystemTexts() = default;

  // FormatMessageA from the system's message table, without its line break; "" when the code
  // has no text.
  virtual std::string FormatMessageA(std::uint32_t code) = 0;
  // The file's last write time in local time; false when the file cannot be read.
  virtual bool GetFileLastWriteTime(const std::string& path, SystemTime& local) = 0;
};

}  // namespace platform
