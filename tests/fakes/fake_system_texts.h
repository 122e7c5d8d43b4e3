#pragma once
// Error texts and file dates as data; dates written day.month.year.
#include <map>
#include <string>

#include "platform/system_texts.h"

namespace fakes {

class FakeSystemTexts : public platform::SystemTexts {
 public:
  std::map<std::uint32_t, std::string> messages;
  std::map<std::string, platform::SystemTime> file_times;  // by path

  std::string FormatMessageA(std::uint32_t code) override { return messages[code]; }
  bool GetFileLastWriteTime(const std::string& path, platform::SystemTime& local) override {
    if (!file_times.contains(path)) return false;
    local = file_times[path];
    return true;
  }
  std::string GetDateFormatA(const platform::SystemTime& d) override {
    return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
  }
};

}  // namespace fakes
