#pragma once
#include "platform/system_texts.h"

namespace platform::win32 {

class Win32SystemTexts : public platform::SystemTexts {
 public:
  std::string FormatMessageA(std::uint32_t code) override;
  bool GetFileLastWriteTime(const std::string& path, SystemTime& local) override;
};

}  // namespace platform::win32
