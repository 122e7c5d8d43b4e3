#pragma once
// Error texts as data; no file has a date.
#include <map>
#include <string>

#include "platform/system_texts.h"

namespace fakes {

class FakeSystemTexts : public platform::SystemTexts {
 public:
  std::map<std::uint32_t, std::string> messages;

  std::string FormatMessageA(std::uint32_t code) override { return messages[code]; }
  bool GetFileLastWriteTime(const std::string&, platform::SystemTime&) override { return false; }
  std::string GetDateFormatA(const platform::SystemTime&) override { return ""; }
};

}  // namespace fakes
