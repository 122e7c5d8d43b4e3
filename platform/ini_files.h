#pragma once
// Private-profile (ini) access: each call opens the file for one access and releases it.
#include <string>

namespace platform {

class IniFiles {
 public:
  virtual ~IniFiles() = default;

  // The value of `key`, or `default_value` when it is absent. False when the file cannot be
  // read at all; `value` is then untouched.
  virtual bool GetPrivateProfileString(const std::string& section, const std::string& key,
                                       const std::string& default_value, std::string& value,
                                       const std::string& path) = 0;
  // False when the value could not be written.
  virtual bool WritePrivateProfileString(const std::string& section, const std::string& key,
                                         const std::string& value, const std::string& path) = 0;
};

}  // namespace platform
