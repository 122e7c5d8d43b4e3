#include "platform/win32/ini_files.h"

#include "platform/win32/system_headers.h"

namespace platform::win32 {

bool Win32IniFiles::GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                             const std::string& default_value, std::string& value,
                                             const std::string& path) {
  char buffer[2048];
  DWORD n = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(), buffer,
                                       sizeof buffer, path.c_str());
  value.assign(buffer, n);
  return true;
}

bool Win32IniFiles::WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                               const std::string& value, const std::string& path) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         FALSE;
}

}  // namespace platform::win32
