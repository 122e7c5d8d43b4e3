#pragma once
// Error texts and file dates as data.
#include <map>
#include <string>

#include "platform/system_texts.h"

namespace fakes {

class FakeSystemTexts : public platform::SystemTexts {
 public:
  std::map<std::uint32_t, std::string> messages;
  std::map<std::string, platform::SystemTime> file_times;  // by path

  std::string FormatMessageA(std::uint32_t code) override {
    auto m = messages.find(code);
    return m == messages.end() ? std::string() : m->second;
  }
  bool GetFileLastWriteTime(const std::string& path, platform::SystemTime& local) override {
    auto f = file_times.find(path);
    if (f == file_times.end()) return false;
    local = f->second;
    return true;
  }
  // Day.month.year, as a user of one locale would write it.
  std::string GetDateFormatA(const platform::SystemTime& d) override {
    return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
  }
};

}  // namespace fakes
