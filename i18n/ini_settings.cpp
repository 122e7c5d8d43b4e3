#include "i18n/ini_settings.h"

namespace i18n {

bool ReadIniString(platform::IniFiles& ini, const std::string& path, const std::string& section,
                   const std::string& key, std::string& value) {
  std::string read;
  if (!ini.GetPrivateProfileString(section, key, kIniAbsent, read, path)) return false;
  if (read == kIniAbsent) return false;
  value = read;
  return true;
}

bool WriteIniString(platform::IniFiles& ini, const std::string& path, const std::string& section,
                    const std::string& key, const std::string& value) {
  return ini.WritePrivateProfileString(section, key, value, path);
}

std::string ChangeFileExt(const std::string& path, const std::string& extension) {
  std::string::size_type dot = path.find_last_of(".\\:");
  if (dot == std::string::npos || path[dot] != '.') return path + extension;
  return path.substr(0, dot) + extension;
}

}  // namespace i18n
