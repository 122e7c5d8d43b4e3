#pragma once
// Error texts as data; no file has a date.
#include <map>
#include <string>

#include "platform/system_texts.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

class FakeSystemTexts : public platform::SystemTexts, public Failable {
 public:
  std::map<std::uint32_t, std::string> messages;

  std::string FormatMessageA(std::uint32_t code) override {
    return Fails("FormatMessageA") ? std::string() : messages[code];
  }
  bool GetFileLastWriteTime(const std::string&, platform::SystemTime&) override { return false; }
};

}  // namespace fakes
