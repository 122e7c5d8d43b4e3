#pragma once
#include "platform/ini_files.h"

namespace platform::win32 {

class Win32IniFiles : public platform::IniFiles {
 public:
  bool GetPrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& default_value, std::string& value,
                               const std::string& path) override;
  bool WritePrivateProfileString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& path) override;
};

}  // namespace platform::win32
