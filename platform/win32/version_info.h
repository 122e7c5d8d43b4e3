#pragma once
#include "platform/version_info.h"

namespace platform::win32 {

class Win32VersionInfo : public platform::VersionInfo {
 public:
  std::uint32_t GetFileVersionInfoSize(const std::string& file) override;
  bool GetFileVersionInfo(const std::string& file, std::vector<std::uint8_t>& data) override;
  bool VerQueryValue(std::vector<std::uint8_t>& data, const std::string& sub_block,
                     std::vector<std::uint8_t>& value) override;
};

}  // namespace platform::win32
